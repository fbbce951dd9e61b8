// Inputs no real head gives, and what a failed step leaves behind.
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/internal/computation_state.h"
#include "tests/inertia/worked_example.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

using testing::WorkedExample;

std::string SemiAxesLine(const EllipsoidOfInertia& outcome)
{
    const std::string& text = outcome.Report.Text4;
    return text.substr(text.rfind("\r\n") + 2);
}

std::string VolumeLine(const EllipsoidOfInertia& outcome)
{
    const std::string& text = outcome.Report.Text4;
    const std::size_t end = text.rfind("\r\n");
    const std::size_t start = text.rfind("\r\n", end - 1) + 2;
    return text.substr(start, end - start);
}

TEST(FailurePolicy, ZeroAndNegativeVolumeGiveZeroVolumeAndSemiAxes)
{
    for (float volume : {0.0f, -50.0f}) {
        const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(WorkedExample(volume));
        EXPECT_EQ(outcome.Results.EllipsoidVolume, 0.0f) << volume;
        EXPECT_EQ(VolumeLine(outcome), "Equivalent Ellipsoid Volume = 0") << volume;
        EXPECT_EQ(SemiAxesLine(outcome), "a = 0cm; b = 0cm; c = 0cm") << volume;
        // The rest of the computation is unaffected.
        EXPECT_EQ(outcome.Results.IzzC, 3.5f);
    }
}

TEST(FailurePolicy, InconsistentReadingsRaiseTheFailedSemiAxisToTheFloor)
{
    // Principal moments 1, 1 and 5: the third exceeds the sum of the others,
    // so its semi-axis root fails and the zero test raises it to 3 mm.
    ClubMeasurements club;
    club.Mass = 200;
    club.Volume = 100;
    club.Ixx = 1;
    club.Iyy = 1;
    club.Izz = 5;
    club.Ixy = 1;
    club.Iyz = 3;
    club.Izx = 3;
    club.Azimuth = 180;
    inertia::ComputationState state(club);
    inertia::ComputeInertiaTensor(state);
    inertia::ComputePrincipalAxes(state);
    EXPECT_LT(state.q.Item(0, 0), 0.0);
    EXPECT_EQ(state.s.Item(0, 0), 0.0);
    inertia::ComputeEquivalentVolume(state);
    // 3 mm stays the smallest after scaling; the volume still matches.
    EXPECT_LT(state.s.Item(0, 0), state.s.Item(1, 0));
    EXPECT_NEAR(static_cast<float>(state.V), 100.0f, 1e-4);
}

TEST(FailurePolicy, NegativeOrZeroDiagonalMomentShowsZeroSemiAxes)
{
    ClubMeasurements negative = WorkedExample();
    negative.Ixx = -5; // Txx < 0: every semi-axis root of the report fails
    EXPECT_EQ(SemiAxesLine(ComputeEllipsoidOfInertia(negative)), "a = 0cm; b = 0cm; c = 0cm");

    ClubMeasurements zero = WorkedExample();
    zero.CMx = zero.CMy = zero.CMz = 0;
    zero.Ixx = 0; // K = 0, and 0 / sqrt(0) fails for a
    const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(zero);
    EXPECT_EQ(outcome.Results.IxxC, 0.0f);
    EXPECT_EQ(SemiAxesLine(outcome), "a = 0cm; b = 0cm; c = 0cm");
}

TEST(FailurePolicy, ResultBeyondTheSingleRangeReadsZero)
{
    ClubMeasurements club;
    club.Ixx = club.Iyy = club.Izz = 3e38f;
    club.Ixy = -3e38f; // Txy = -6e38: the largest principal moment overflows a single
    club.Iyz = club.Izx = 3e38f;
    const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(club);
    EXPECT_EQ(outcome.Results.EigenX, 0.0f);
    EXPECT_EQ(outcome.Results.IxxC, 3e38f);
    EXPECT_FALSE(outcome.Report.Text1.empty());
}

TEST(FailurePolicy, NanMassCountsAsNeverSet)
{
    ClubMeasurements club = WorkedExample();
    club.Mass = std::numeric_limits<float>::quiet_NaN();
    const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(club);
    // No transfer to the centre of gravity, semi-axes at the floor, volume kept.
    EXPECT_EQ(outcome.Results.IzzC, 4.5f);
    EXPECT_NEAR(outcome.Results.EllipsoidVolume, 200.0f, 1e-4);
}

TEST(FailurePolicy, EveryComputationStartsFromClearedResults)
{
    // A club whose principal moments all fail after one that succeeded: the
    // second must not show the first one's values.
    ClubMeasurements huge;
    huge.Ixx = huge.Iyy = huge.Izz = huge.Iyz = huge.Izx = 3e38f;
    huge.Ixy = -3e38f;
    (void)ComputeEllipsoidOfInertia(WorkedExample());
    const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(huge);
    EXPECT_EQ(outcome.Results.EigenX, 0.0f);
}

struct AxisCase {
    const char* name;
    float eigen[3];
    float ths[3];
    float phs[3];
};

// A diagonal tensor diag(2, 3, 3.5): the component delivers the axes x, y,
// z; negation and reversal store z first.
TEST(PrincipalAxes, DiagonalTensorAnglesAfterNegationAndReversal)
{
    ClubMeasurements club;
    club.Ixx = 2;
    club.Iyy = 3;
    club.Izz = 3.5f;
    club.Ixy = 2.5f;
    club.Iyz = 3.25f;
    club.Izx = 2.75f;
    const ClubResults r = ComputeEllipsoidOfInertia(club).Results;
    EXPECT_EQ(r.EigenX, 3.5f);
    EXPECT_EQ(r.EigenY, 3.0f);
    EXPECT_EQ(r.EigenZ, 2.0f);
    // (0,0,1) -> (0,0,-1): Ths 180, Phs 90 (negative zeros are not negative).
    EXPECT_EQ(r.ThsX, 180.0f);
    EXPECT_EQ(r.PhsX, 90.0f);
    // (0,1,0) -> (0,-1,0): Ths 90, Phs -90.
    EXPECT_EQ(r.ThsY, 90.0f);
    EXPECT_EQ(r.PhsY, -90.0f);
    // (1,0,0) -> (-1,0,0): exactly 90 and 180 once stored as singles.
    EXPECT_EQ(r.ThsZ, 90.0f);
    EXPECT_EQ(r.PhsZ, 180.0f);
}

} // namespace
} // namespace orv
