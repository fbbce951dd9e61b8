// A body whose principal moments and axes are known: a uniform box, turned by
// arbitrary angles, its centre of gravity away from the origin. The six
// instrument readings about lines through the origin are worked out
// analytically; the computation has to give back the box's own moments and
// axes, whatever formulas it uses inside.
#include "inertia/ellipsoid_of_inertia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace orv {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>; // [row][column]

constexpr double kTruePi = 3.14159265358979323846;

Matrix Rotation(double yawDeg, double pitchDeg, double rollDeg)
{
    const double a = yawDeg * kTruePi / 180, b = pitchDeg * kTruePi / 180,
                 c = rollDeg * kTruePi / 180;
    const Matrix rz{{{std::cos(a), -std::sin(a), 0}, {std::sin(a), std::cos(a), 0}, {0, 0, 1}}};
    const Matrix ry{{{std::cos(b), 0, std::sin(b)}, {0, 1, 0}, {-std::sin(b), 0, std::cos(b)}}};
    const Matrix rx{{{1, 0, 0}, {0, std::cos(c), -std::sin(c)}, {0, std::sin(c), std::cos(c)}}};
    const auto mul = [](const Matrix& p, const Matrix& q) {
        Matrix r{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k)
                    r[i][j] += p[i][k] * q[k][j];
        return r;
    };
    return mul(rz, mul(ry, rx));
}

double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

struct Box {
    double massKg;
    Vector sidesCm;
    Vector angles;   // yaw, pitch, roll in degrees
    Vector centreCm; // centre of gravity in the measuring frame
};

struct Body {
    Vector principal; // moments about the box's own axes, kg-cm^2
    Matrix rotation;  // column k: the direction of principal axis k
    Matrix tensor;    // about the centre of gravity, measuring frame
};

Body Describe(const Box& box)
{
    Body body;
    const auto& s = box.sidesCm;
    body.principal = {box.massKg * (s[1] * s[1] + s[2] * s[2]) / 12,
                      box.massKg * (s[0] * s[0] + s[2] * s[2]) / 12,
                      box.massKg * (s[0] * s[0] + s[1] * s[1]) / 12};
    body.rotation = Rotation(box.angles[0], box.angles[1], box.angles[2]);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            body.tensor[i][j] = 0;
            for (int k = 0; k < 3; ++k)
                body.tensor[i][j] += body.rotation[i][k] * body.principal[k] * body.rotation[j][k];
        }
    return body;
}

// The instrument's reading about the line through the origin along n.
double Reading(const Box& box, const Body& body, Vector n)
{
    const double length = std::sqrt(Dot(n, n));
    for (double& v : n)
        v /= length;
    double aboutCentre = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            aboutCentre += n[i] * body.tensor[i][j] * n[j];
    const Vector& g = box.centreCm;
    const double along = Dot(g, n);
    return aboutCentre + box.massKg * (Dot(g, g) - along * along);
}

ClubMeasurements Measure(const Box& box, const Body& body)
{
    ClubMeasurements club;
    club.Mass = static_cast<float>(box.massKg * 1000);
    club.CMx = static_cast<float>(box.centreCm[0] * 10);
    club.CMy = static_cast<float>(box.centreCm[1] * 10);
    club.CMz = static_cast<float>(box.centreCm[2] * 10);
    club.Volume = static_cast<float>(box.sidesCm[0] * box.sidesCm[1] * box.sidesCm[2]);
    club.Ixx = static_cast<float>(Reading(box, body, {1, 0, 0}));
    club.Iyy = static_cast<float>(Reading(box, body, {0, 1, 0}));
    club.Izz = static_cast<float>(Reading(box, body, {0, 0, 1}));
    club.Ixy = static_cast<float>(Reading(box, body, {1, 1, 0}));
    club.Iyz = static_cast<float>(Reading(box, body, {0, 1, 1}));
    club.Izx = static_cast<float>(Reading(box, body, {1, 0, 1}));
    club.LieAngle = 30;
    club.Azimuth = 180;
    return club;
}

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
