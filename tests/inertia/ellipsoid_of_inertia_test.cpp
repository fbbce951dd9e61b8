#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/internal/computation_state.h"
#include "tests/inertia/worked_example_results.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

using testing::WorkedExample;

inertia::ComputationState RunStages(const ClubMeasurements& club)
{
    inertia::ComputationState state(club);
    inertia::RunStages(state);
    return state;
}

std::string LastLines(const std::string& text, int count)
{
    std::size_t pos = text.size();
    for (int i = 0; i < count; ++i)
        pos = text.rfind("\r\n", pos - 1);
    return text.substr(pos + 2);
}

TEST(InertiaTensor, WorkedExampleGivesTheTensorAboutTheCentreOfGravity)
{
    const ClubMeasurements club = WorkedExample();
    inertia::ComputationState state(club);
    inertia::ComputeInertiaTensor(state);

    EXPECT_EQ(state.m, 0.2f);
    EXPECT_EQ(state.c, (Vec3{1, -2, 0.5f}));
    const double expected[3][3] = {{2.0, -0.1, 0.05}, {-0.1, 3.0, 0.2}, {0.05, 0.2, 3.5}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(state.T.Item(i, j), expected[i][j], 1e-6) << i << "," << j;
    EXPECT_EQ(static_cast<float>(state.T.Item(0, 0)), 1.9999996f);
    EXPECT_EQ(static_cast<float>(state.T.Item(1, 1)), 2.9999995f);
    EXPECT_EQ(state.T.Item(0, 1), state.T.Item(1, 0));
}

TEST(InertiaTensor, CentreOfGravityAtTheOriginNeedsNoTransfer)
{
    ClubMeasurements club = WorkedExample();
    club.CMx = club.CMy = club.CMz = 0;
    inertia::ComputationState state(club);
    inertia::ComputeInertiaTensor(state);
    EXPECT_DOUBLE_EQ(state.T.Item(0, 0), 2.85f);
    EXPECT_DOUBLE_EQ(state.T.Item(2, 2), 4.5f);
    EXPECT_DOUBLE_EQ(state.T.Item(0, 1), double(3.35f) - 0.5 * (double(2.85f) + double(3.25f)));
}

TEST(InertiaTensor, ZeroMassMeansNoTransferWhateverTheCentreOfGravity)
{
    ClubMeasurements club = WorkedExample();
    club.Mass = 0;
    inertia::ComputationState state(club);
    inertia::ComputeInertiaTensor(state);
    EXPECT_DOUBLE_EQ(state.T.Item(1, 1), 3.25f);
    EXPECT_DOUBLE_EQ(state.T.Item(1, 2), double(4.275f) - 0.5 * (double(3.25f) + double(4.5f)));
}

TEST(InertiaTensor, EqualReadingsAtTheOriginGiveAMultipleOfTheUnitMatrix)
{
    ClubMeasurements club;
    club.Mass = 150;
    club.Ixx = club.Iyy = club.Izz = club.Ixy = club.Iyz = club.Izx = 2.5f;
    inertia::ComputationState state(club);
    inertia::ComputeInertiaTensor(state);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(state.T.Item(i, j), i == j ? 2.5 : 0.0);
}

TEST(InertiaTensor, FarCentreOfGravityGivesNegativeDiagonalWithoutComplaint)
{
    ClubMeasurements club;
    club.Mass = 200;
    club.CMx = 500;
    club.Iyy = club.Izz = 1;
    inertia::ComputationState state(club);
    inertia::ComputeInertiaTensor(state);
    EXPECT_LT(state.T.Item(1, 1), 0.0);
    EXPECT_LT(state.T.Item(2, 2), 0.0);
}

TEST(EquivalentEllipsoid, WorkedExampleFollowsEveryIntermediateFigure)
{
    const inertia::ComputationState state = RunStages(WorkedExample());
    EXPECT_NEAR(state.S, 8.5, 1e-5);
    const double moments[] = {3.57028, 2.94289, 1.98683};
    const double q[] = {0.67972, 1.30711, 2.26317};
    const double scaled[] = {26.623, 36.919, 48.579};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(state.Values.Item(i, 0), moments[i], 5e-6);
        EXPECT_NEAR(state.q.Item(i, 0), q[i], 5e-6);
        EXPECT_NEAR(state.s.Item(i, 0), scaled[i], 5e-4);
    }
    EXPECT_NEAR(state.Vell, 742.467, 5e-4);
    EXPECT_NEAR(state.k, 0.645829, 5e-7);
    EXPECT_EQ(static_cast<float>(state.V), 200.0f);
}

TEST(EquivalentEllipsoid, LargeVolumeCapsTheLongestSemiAxis)
{
    const inertia::ComputationState state = RunStages(WorkedExample(10000));
    EXPECT_NEAR(state.k, 2.379255, 5e-7);
    EXPECT_NEAR(state.s.Item(0, 0), 98.079, 5e-4);
    EXPECT_NEAR(state.s.Item(1, 0), 136.009, 5e-4);
    EXPECT_EQ(state.s.Item(2, 0), 150.0);
    EXPECT_NEAR(static_cast<float>(state.V), 8381.499f, 5e-3);
}

TEST(EquivalentEllipsoid, ZeroMassRaisesEverySemiAxisToTheFloor)
{
    ClubMeasurements club = WorkedExample();
    club.Mass = 0;
    const inertia::ComputationState state = RunStages(club);
    EXPECT_NEAR(state.Vell, 0.113097, 5e-7);
    EXPECT_NEAR(state.k, 12.092776, 5e-6);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(state.s.Item(i, 0), 36.278, 5e-4);
    EXPECT_NEAR(static_cast<float>(state.V), 200.0f, 1e-4);
}

TEST(EllipsoidOfInertia, WorkedExampleResults)
{
    const ClubResults r = ComputeEllipsoidOfInertia(WorkedExample()).Results;
    testing::ExpectWorkedExampleResults(r, 3.5f);
    for (float angle : {r.ThsX, r.ThsY, r.ThsZ})
        EXPECT_TRUE(angle >= 0 && angle <= 180) << angle;
    for (float angle : {r.PhsX, r.PhsY, r.PhsZ})
        EXPECT_TRUE(angle >= -180 && angle <= 180) << angle;
}

TEST(EllipsoidOfInertia, WorkedExampleReport)
{
    const EllipsoidReport report = ComputeEllipsoidOfInertia(WorkedExample()).Report;
    EXPECT_EQ(report.Text1, "3.570\r\n2.943\r\n1.987");
    EXPECT_EQ(report.Text4, " 2.000  -0.100   0.050\r\n"
                            "-0.100   3.000   0.200\r\n"
                            " 0.050   0.200   3.500\r\n"
                            "Izc' = 3.5\r\n"
                            "Equivalent Ellipsoid Volume = 200\r\n"
                            "a = 4.26cm; b = 3.48cm; c = 3.22cm");
    EXPECT_EQ(std::count(report.Text2.begin(), report.Text2.end(), '\n'), 2);
    EXPECT_EQ(std::count(report.Text3.begin(), report.Text3.end(), '\n'), 2);
}

TEST(EllipsoidOfInertia, LieAngleSixtyTiltsTheAxisTowardsMinusX)
{
    const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(WorkedExample(200, 60));
    EXPECT_NEAR(outcome.Results.IzcPrime, 2.331700f, 5e-7);
    EXPECT_EQ(LastLines(outcome.Report.Text4, 3).substr(0, 14), "Izc' = 2.3317\r");
}

TEST(EllipsoidOfInertia, ReportSemiAxesFromTheStoredDiagonal)
{
    const ClubResults results = ComputeEllipsoidOfInertia(WorkedExample()).Results;
    const inertia::ReportAxes axes = inertia::ReportSemiAxes(results);
    EXPECT_NEAR(axes.K, 6.025833, 5e-7);
    EXPECT_NEAR(axes.abc[0], 4.260908, 5e-7);
    EXPECT_NEAR(axes.abc[1], 3.479017, 5e-7);
    EXPECT_NEAR(axes.abc[2], 3.220943, 5e-7);
}

TEST(EllipsoidOfInertia, ResultsAloneMatchTheFullComputation)
{
    const ClubMeasurements club = WorkedExample(350, 57);
    const EllipsoidOfInertia full = ComputeEllipsoidOfInertia(club);
    const EllipsoidOfInertia bare = ComputeEllipsoidOfInertia(club, ReportTexts::Skip);
    EXPECT_EQ(bare.Results, full.Results);
    EXPECT_TRUE(bare.Report.Text4.empty());
}

} // namespace
} // namespace orv
