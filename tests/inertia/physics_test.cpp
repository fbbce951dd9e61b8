// A body whose principal moments and axes are known: a uniform box, turned by
// arbitrary angles, its centre of gravity away from the origin. The six
// instrument readings about lines through the origin are worked out
// analytically; the computation has to give back the box's own moments and
// axes, whatever formulas it uses inside.
#include "inertia/ellipsoid_of_inertia.h"
#include "tests/inertia/rotated_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace orv {
namespace {

using namespace orv::testing;

Vector Direction(float thsDeg, float phsDeg)
{
    const double ths = thsDeg * kTruePi / 180, phs = phsDeg * kTruePi / 180;
    return {std::sin(ths) * std::cos(phs), std::sin(ths) * std::sin(phs), std::cos(ths)};
}

class BoxBodyTest : public ::testing::TestWithParam<Box> { };

TEST_P(BoxBodyTest, RecoversPrincipalMomentsAndAxes)
{
    const Box& box = GetParam();
    const Body body = Describe(box);
    const ClubResults r = ComputeEllipsoidOfInertia(Measure(box, body)).Results;

    // Stored from the largest principal moment to the smallest.
    std::array<int, 3> order{0, 1, 2};
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return body.principal[a] > body.principal[b]; });
    const float eigen[] = {r.EigenX, r.EigenY, r.EigenZ};
    const float ths[] = {r.ThsX, r.ThsY, r.ThsZ};
    const float phs[] = {r.PhsX, r.PhsY, r.PhsZ};
    for (int i = 0; i < 3; ++i) {
        const int k = order[i];
        EXPECT_NEAR(eigen[i], body.principal[k], 2e-5 * body.principal[k]) << "axis " << i;
        const Vector axis{body.rotation[0][k], body.rotation[1][k], body.rotation[2][k]};
        // The angles describe one of the axis's two directions.
        EXPECT_NEAR(std::fabs(Dot(Direction(ths[i], phs[i]), axis)), 1.0, 1e-6) << "axis " << i;
    }

    // The diagonal about the centre of gravity and the tilted-axis moment.
    EXPECT_NEAR(r.IxxC, body.tensor[0][0], 1e-5);
    EXPECT_NEAR(r.IyyC, body.tensor[1][1], 1e-5);
    EXPECT_NEAR(r.IzzC, body.tensor[2][2], 1e-5);
    const double lie = 30 * kTruePi / 180;
    const Vector u{-std::sin(lie), 0, std::cos(lie)};
    double tilted = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            tilted += u[i] * body.tensor[i][j] * u[j];
    EXPECT_NEAR(r.IzcPrime, tilted, 1e-5);
    EXPECT_NEAR(r.EllipsoidVolume, box.sidesCm[0] * box.sidesCm[1] * box.sidesCm[2], 1e-3);
}

INSTANTIATE_TEST_SUITE_P(TurnedBoxes, BoxBodyTest,
                         ::testing::Values(Box{0.2, {10, 6, 4}, {30, 20, 10}, {1.5, -2.0, 0.7}},
                                           Box{0.198, {11, 8, 5}, {-75, 48, 160}, {3.2, 0.4, -1.1}},
                                           Box{0.31, {7, 9, 3}, {12, -33, 71}, {-0.6, 2.5, 1.9}},
                                           Box{0.45, {12, 5, 7.5}, {137, 5, -20}, {0, 0, 0}}));

} // namespace
} // namespace orv
