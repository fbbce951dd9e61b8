// Findings: readings no rigid body has, or that real instruments cannot
// resolve, are named; consistent bodies, also close to the thresholds, are
// not.
#include "inertia/ellipsoid_of_inertia.h"
#include "tests/inertia/rotated_box.h"
#include "tests/inertia/worked_example.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orv {
namespace {

using testing::DiagonalTensor;
using testing::WorkedExample;

std::vector<FindingCode> Codes(const ClubMeasurements& club)
{
    std::vector<FindingCode> codes;
    for (const Finding& finding : ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Findings) {
        EXPECT_FALSE(finding.text.empty());
        codes.push_back(finding.code);
    }
    return codes;
}

struct FindingCase {
    const char* name;
    ClubMeasurements club;
    FindingCode expected;
};

class FindingTest : public ::testing::TestWithParam<FindingCase> { };

TEST_P(FindingTest, NamesTheFaultAndOrdersTheCodes)
{
    const std::vector<FindingCode> codes = Codes(GetParam().club);
    EXPECT_NE(std::find(codes.begin(), codes.end(), GetParam().expected), codes.end())
        << FindingName(GetParam().expected);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end());
}

ClubMeasurements With(ClubMeasurements club, float ClubMeasurements::*field, float value)
{
    club.*field = value;
    return club;
}

INSTANTIATE_TEST_SUITE_P(
    Clubs, FindingTest,
    ::testing::Values(
        FindingCase{"MassZero", With(WorkedExample(), &ClubMeasurements::Mass, 0),
                    FindingCode::MassNotPositive},
        FindingCase{"MassNegative", With(WorkedExample(), &ClubMeasurements::Mass, -200),
                    FindingCode::MassNotPositive},
        FindingCase{"VolumeZero", WorkedExample(0), FindingCode::VolumeNotPositive},
        FindingCase{"VolumeNegative", WorkedExample(-5), FindingCode::VolumeNotPositive},
        FindingCase{
            "NotANumber",
            With(WorkedExample(), &ClubMeasurements::Iyz, std::numeric_limits<float>::quiet_NaN()),
            FindingCode::NonFiniteInput},
        FindingCase{
            "Infinite",
            With(WorkedExample(), &ClubMeasurements::CMx, std::numeric_limits<float>::infinity()),
            FindingCode::NonFiniteInput},
        // The centre of gravity 100 mm out: the transfer eats the readings.
        FindingCase{"CentreFarOut", With(WorkedExample(), &ClubMeasurements::CMx, 100),
                    FindingCode::NotPositiveDefinite},
        FindingCase{"NegativeMoment", DiagonalTensor(2, 3, -0.5f),
                    FindingCode::NotPositiveDefinite},
        FindingCase{"Triangle", DiagonalTensor(1, 1.5f, 3), FindingCode::TriangleInequality},
        FindingCase{"JustBeyondTriangle", DiagonalTensor(1, 2, 3.001f),
                    FindingCode::TriangleInequality},
        FindingCase{"CutAtTheCap", WorkedExample(1e7f), FindingCode::EllipsoidBounded},
        FindingCase{"RaisedToTheFloor", DiagonalTensor(1, 2, 3), FindingCode::EllipsoidBounded},
        FindingCase{"CloseMoments", DiagonalTensor(2, 3, 3.02f), FindingCode::AxesIllDefined},
        FindingCase{"EqualMoments", DiagonalTensor(3, 3, 3), FindingCode::AxesIllDefined}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Findings, EachCodeHasItsStableName)
{
    EXPECT_STREQ(FindingName(FindingCode::MassNotPositive), "mass-not-positive");
    EXPECT_STREQ(FindingName(FindingCode::VolumeNotPositive), "volume-not-positive");
    EXPECT_STREQ(FindingName(FindingCode::NonFiniteInput), "non-finite-input");
    EXPECT_STREQ(FindingName(FindingCode::NotPositiveDefinite), "not-positive-definite");
    EXPECT_STREQ(FindingName(FindingCode::TriangleInequality), "triangle-inequality");
    EXPECT_STREQ(FindingName(FindingCode::EllipsoidBounded), "ellipsoid-bounded");
    EXPECT_STREQ(FindingName(FindingCode::AxesIllDefined), "axes-ill-defined");
}

TEST(Findings, TheSentenceNamesTheValues)
{
    const auto findings =
        ComputeEllipsoidOfInertia(With(WorkedExample(), &ClubMeasurements::Mass, -3)).Findings;
    ASSERT_FALSE(findings.empty());
    EXPECT_NE(findings.front().text.find("-3 g"), std::string::npos) << findings.front().text;
}

// Two moments count as one when they are less than 1% of the largest apart:
// 0.99% is too close, 1.01% is not.
TEST(Findings, AxesIllDefinedBelowOnePercentOfTheLargestMoment)
{
    const struct {
        double gapPercent;
        bool illDefined;
    } cases[] = {{0.99, true}, {1.01, false}};
    for (const auto& c : cases) {
        // Moments 2, 3 and z with (z - 3) / z the given gap.
        const auto z = static_cast<float>(3 / (1 - c.gapPercent / 100));
        const std::vector<FindingCode> codes = Codes(DiagonalTensor(2, 3, z));
        EXPECT_EQ(std::count(codes.begin(), codes.end(), FindingCode::AxesIllDefined),
                  c.illDefined ? 1 : 0)
            << c.gapPercent << "%";
    }
}

TEST(Findings, ConsistentBodiesHaveNone)
{
    using namespace orv::testing;
    const Box boxes[] = {
        {0.2, {10, 6, 4}, {30, 20, 10}, {1.5, -2, 0.5}},
        {0.35, {9, 5, 3}, {-40, 65, 15}, {-1, 2.5, -1}},
        {0.25, {12, 7, 2.5}, {120, -30, 80}, {3, 1, -0.5}},
        // Two moments 1.3% apart: close, but still apart.
        {0.2, {10, 6.15, 6}, {10, 10, 10}, {1, 1, 1}},
        // A thin plate: the largest moment 0.1% short of the sum of the others.
        {0.2, {10, 7, 0.4}, {5, 40, 70}, {0.5, -1, 0.2}},
    };
    for (const Box& box : boxes) {
        const ClubMeasurements club = Measure(box, Describe(box));
        EXPECT_TRUE(Codes(club).empty())
            << box.sidesCm[0] << "x" << box.sidesCm[1] << "x" << box.sidesCm[2];
    }
    EXPECT_TRUE(Codes(WorkedExample()).empty());
    EXPECT_TRUE(Codes(DiagonalTensor(1.5f, 2, 3.4f)).empty());
}

} // namespace
} // namespace orv
