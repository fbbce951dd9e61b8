// The geometry the computation hands to windows and reports: checked against
// the worked example's figures and against the defining equations, not
// against the code that fills it.
#include "inertia/ellipsoid_of_inertia.h"
#include "tests/inertia/worked_example.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orv {
namespace {

using testing::WorkedExample;

constexpr double kDegrees = 180.0 / std::numbers::pi;

double Dot(const Vector3& a, const Vector3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vector3 Times(const Matrix3& m, const Vector3& v)
{
    return {Dot(m[0], v), Dot(m[1], v), Dot(m[2], v)};
}

TEST(EllipsoidGeometry, TensorAndProductsOfInertiaWithTheirSigns)
{
    const EllipsoidGeometry g = ComputeEllipsoidOfInertia(WorkedExample()).Geometry;
    const double expected[3][3] = {{2.0, -0.1, 0.05}, {-0.1, 3.0, 0.2}, {0.05, 0.2, 3.5}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(g.tensor[i][j], expected[i][j], 1e-6) << i << "," << j;
    // P = integral of x y dm: minus the tensor's off-diagonal elements.
    const Vector3 p = ProductsOfInertia(g);
    EXPECT_NEAR(p[0], 0.1, 1e-6);   // Pxy
    EXPECT_NEAR(p[1], -0.2, 1e-6);  // Pyz
    EXPECT_NEAR(p[2], -0.05, 1e-6); // Pzx
}

TEST(EllipsoidGeometry, PrincipalAxesAreUnitEigenvectorsWhoseAnglesAreStored)
{
    const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(WorkedExample(200, 60));
    const EllipsoidGeometry& g = outcome.Geometry;
    ASSERT_TRUE(g.principalAxesFound);
    const float stored[3] = {outcome.Results.EigenX, outcome.Results.EigenY,
                             outcome.Results.EigenZ};
    const float ths[3] = {outcome.Results.ThsX, outcome.Results.ThsY, outcome.Results.ThsZ};
    const float phs[3] = {outcome.Results.PhsX, outcome.Results.PhsY, outcome.Results.PhsZ};
    for (int i = 0; i < 3; ++i) {
        const Vector3& v = g.principalAxes[i];
        EXPECT_NEAR(Dot(v, v), 1.0, 1e-12) << i;
        EXPECT_NEAR(Dot(v, g.principalAxes[(i + 1) % 3]), 0.0, 1e-12) << i;
        const Vector3 tv = Times(g.tensor, v);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(tv[k], g.principalMoments[i] * v[k], 1e-12) << i << "," << k;
        EXPECT_EQ(static_cast<float>(g.principalMoments[i]), stored[i]);
        // The stored angles describe this very vector, not its opposite.
        EXPECT_NEAR(std::atan2(std::hypot(v[0], v[1]), v[2]) * kDegrees, ths[i], 1e-3) << i;
        EXPECT_NEAR(std::atan2(v[1], v[0]) * kDegrees, phs[i], 1e-3) << i;
        EXPECT_EQ(static_cast<float>(g.ths[i]), ths[i]);
        EXPECT_EQ(static_cast<float>(g.phs[i]), phs[i]);
        // Radius of gyration: sqrt(moment / mass), 0.2 kg.
        EXPECT_NEAR(g.radiiOfGyration[i], std::sqrt(g.principalMoments[i] / 0.2), 1e-6) << i;
    }
}

TEST(EllipsoidGeometry, EquivalentEllipsoidAndLieAxisMoment)
{
    const EllipsoidOfInertia outcome = ComputeEllipsoidOfInertia(WorkedExample(200, 60));
    const EllipsoidGeometry& g = outcome.Geometry;
    const double scaled[] = {26.623, 36.919, 48.579};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(g.semiAxes[i], scaled[i], 5e-4) << i;
    EXPECT_NEAR(4.0 / 3.0 * 3.14159 * g.semiAxes[0] * g.semiAxes[1] * g.semiAxes[2] / 1000,
                g.equivalentVolume, 1e-9);
    EXPECT_NEAR(g.equivalentVolume, 200.0, 1e-4);
    EXPECT_FALSE(g.raisedToFloor || g.cutAtCap);
    EXPECT_NEAR(g.izcPrime, 2.331700, 5e-7);
    EXPECT_EQ(static_cast<float>(g.izcPrime), outcome.Results.IzcPrime);
    const double abc[] = {4.260908, 3.479017, 3.220943};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(g.reportSemiAxes[i], abc[i], 5e-7) << i;
}

TEST(EllipsoidGeometry, FilledTheSameWithoutTheReportTexts)
{
    const ClubMeasurements club = WorkedExample(350, 57);
    const EllipsoidGeometry full = ComputeEllipsoidOfInertia(club).Geometry;
    const EllipsoidGeometry bare = ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Geometry;
    EXPECT_EQ(bare.tensor, full.tensor);
    EXPECT_EQ(bare.principalAxes, full.principalAxes);
    EXPECT_EQ(bare.reportSemiAxes, full.reportSemiAxes);
    EXPECT_NE(bare.reportSemiAxes[0], 0.0);
}

TEST(EllipsoidGeometry, BoundsAndMissingQuantitiesAreSaid)
{
    ClubMeasurements capped = WorkedExample(10000);
    const EllipsoidGeometry large = ComputeEllipsoidOfInertia(capped).Geometry;
    EXPECT_TRUE(large.cutAtCap);
    EXPECT_EQ(large.semiAxes[2], 150.0);

    ClubMeasurements massless = WorkedExample();
    massless.Mass = 0;
    const EllipsoidGeometry floor = ComputeEllipsoidOfInertia(massless).Geometry;
    EXPECT_TRUE(floor.raisedToFloor);
    for (double radius : floor.radiiOfGyration)
        EXPECT_TRUE(std::isnan(radius));
}

} // namespace
} // namespace orv
