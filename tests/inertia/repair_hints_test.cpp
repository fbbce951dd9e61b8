// Slips planted in the readings of realistic heads (a driver, another
// driver, an iron, a putter): whenever a slip breaks the readings, a hint
// names it; sound readings get none.
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/repair_hints.h"
#include "tests/inertia/rotated_box.h"
#include "tests/inertia/worked_example.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace orv {
namespace {

using namespace orv::testing;

const Box kHeads[] = {
    {0.200, {11, 10, 6}, {20, 10, 5}, {2.5, -2.0, 1.0}},
    {0.205, {10.5, 9.5, 5.5}, {-15, 25, 40}, {3.0, 1.5, -0.8}},
    {0.250, {8, 2.5, 5}, {10, -20, 30}, {1.8, -0.6, 2.2}},
    {0.350, {11, 4, 3}, {5, 5, 60}, {-1.2, 2.8, 0.9}},
};

ClubMeasurements Head(const Box& box)
{
    ClubMeasurements club = Measure(box, Describe(box));
    club.Volume = 400;
    club.LieAngle = 60;
    return club;
}

bool Broken(const ClubMeasurements& club)
{
    for (const Finding& finding : ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Findings)
        if (finding.code == FindingCode::NotPositiveDefinite
            || finding.code == FindingCode::TriangleInequality)
            return true;
    return false;
}

struct Planted {
    const char* hint; // the code of the hint that undoes it
    std::function<void(ClubMeasurements&)> slip;
};

const Planted kSlips[] = {
    {"Izz/10", [](ClubMeasurements& m) { m.Izz *= 10; }},
    {"Ixx/10", [](ClubMeasurements& m) { m.Ixx *= 10; }},
    {"Iyz/10", [](ClubMeasurements& m) { m.Iyz *= 10; }},
    {"Ixy*10", [](ClubMeasurements& m) { m.Ixy /= 10; }},
    {"Iyy*10", [](ClubMeasurements& m) { m.Iyy /= 10; }},
    {"Mass/10", [](ClubMeasurements& m) { m.Mass *= 10; }},
    {"Ixx<>Izz", [](ClubMeasurements& m) { std::swap(m.Ixx, m.Izz); }},
    {"Iyy<>Ixy", [](ClubMeasurements& m) { std::swap(m.Iyy, m.Ixy); }},
    {"Izz<>Izx", [](ClubMeasurements& m) { std::swap(m.Izz, m.Izx); }},
    {"-CMx", [](ClubMeasurements& m) { m.CMx = -m.CMx; }},
    {"-CMy", [](ClubMeasurements& m) { m.CMy = -m.CMy; }},
    {"-CMz", [](ClubMeasurements& m) { m.CMz = -m.CMz; }},
    {"CM/10",
     [](ClubMeasurements& m) {
         m.CMx *= 10;
         m.CMy *= 10;
         m.CMz *= 10;
     }},
};

TEST(RepairHints, APlantedSlipThatBreaksTheReadingsIsNamed)
{
    std::map<std::string, int> broken;
    for (const Box& box : kHeads) {
        for (const Planted& planted : kSlips) {
            ClubMeasurements club = Head(box);
            planted.slip(club);
            if (!Broken(club))
                continue; // a swap of two near-equal readings, say
            ++broken[planted.hint];
            const std::vector<RepairHint> hints = RepairHintsOf(club);
            EXPECT_LE(hints.size(), kMostHints);
            EXPECT_TRUE(std::any_of(hints.begin(), hints.end(),
                                    [&](const RepairHint& h) { return h.code == planted.hint; }))
                << planted.hint << " on the head of " << box.massKg << " kg";
        }
    }
    // Every kind of slip broke the readings of most heads, so none is
    // passed over.
    for (const Planted& planted : kSlips)
        EXPECT_GE(broken[planted.hint], 3) << planted.hint;
}

TEST(RepairHints, SayWhatToTryInWords)
{
    ClubMeasurements club = WorkedExample();
    club.Izz = 45;
    const std::vector<RepairHint> hints = RepairHintsOf(club);
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(hints.front().code, "Izz/10");
    EXPECT_EQ(hints.front().text, "I_zz is perhaps ten times too large: with 4.5 instead of 45 "
                                  "the readings would fit a rigid body.");
}

TEST(RepairHints, SoundReadingsGetNone)
{
    for (const Box& box : kHeads)
        EXPECT_TRUE(RepairHintsOf(Head(box)).empty()) << box.massKg;
    EXPECT_TRUE(RepairHintsOf(WorkedExample()).empty());
    // Findings of another kind are no slip to undo.
    EXPECT_TRUE(RepairHintsOf(WorkedExample(0)).empty());
}

} // namespace
} // namespace orv
