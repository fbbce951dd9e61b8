#include "ui/head/head_projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv::ui {
namespace {

Vector3 Times(const Matrix3& m, const Vector3& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Matrix3 Product(const Matrix3& a, const Matrix3& b)
{
    Matrix3 p{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                p[i][j] += a[i][k] * b[k][j];
    return p;
}

} // namespace

ViewTurn ViewTurn::AlongX() { return {{{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}}}; }
ViewTurn ViewTurn::AlongY() { return {{{{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}}}}; }
ViewTurn ViewTurn::AlongZ() { return {{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}}; }
ViewTurn ViewTurn::Oblique() { return AlongX().Turned(-0.6, 0.45); }

ViewTurn ViewTurn::Turned(double yaw, double pitch) const
{
    // Yaw about the screen's up axis, then pitch about its right axis.
    const double cy = std::cos(yaw), sy = std::sin(yaw);
    const double cp = std::cos(pitch), sp = std::sin(pitch);
    const Matrix3 aboutUp{{{cy, 0, sy}, {0, 1, 0}, {-sy, 0, cy}}};
    const Matrix3 aboutRight{{{1, 0, 0}, {0, cp, -sp}, {0, sp, cp}}};
    return {Product(aboutRight, Product(aboutUp, rows))};
}

Vector3 ViewTurn::Apply(const Vector3& point) const { return Times(rows, point); }

std::array<double, 2> Ellipse2::At(double t) const
{
    const double ca = std::cos(angle), sa = std::sin(angle);
    const double u = semiMajor * std::cos(t), v = semiMinor * std::sin(t);
    return {centreX + u * ca - v * sa, centreY + u * sa + v * ca};
}

Ellipsoid EquivalentEllipsoid(const EllipsoidGeometry& geometry)
{
    return {{0, 0, 0}, geometry.semiAxes, geometry.principalAxes};
}

Ellipse2 Outline(const Ellipsoid& ellipsoid, const ViewTurn& view)
{
    // B = sum over axes of s_i^2 (V e_i)(V e_i)^T, its upper 2 x 2 block.
    double bxx = 0, bxy = 0, byy = 0;
    for (int i = 0; i < 3; ++i) {
        const Vector3 d = view.Apply(ellipsoid.axes[i]);
        const double s2 = ellipsoid.semiAxes[i] * ellipsoid.semiAxes[i];
        bxx += s2 * d[0] * d[0];
        bxy += s2 * d[0] * d[1];
        byy += s2 * d[1] * d[1];
    }
    const double mean = (bxx + byy) / 2;
    const double spread = std::sqrt(((bxx - byy) / 2) * ((bxx - byy) / 2) + bxy * bxy);
    const Vector3 c = view.Apply(ellipsoid.centre);
    Ellipse2 e;
    e.centreX = c[0];
    e.centreY = c[1];
    e.semiMajor = std::sqrt(std::max(mean + spread, 0.0));
    e.semiMinor = std::sqrt(std::max(mean - spread, 0.0));
    e.angle = 0.5 * std::atan2(2 * bxy, bxx - byy);
    return e;
}

std::vector<SectionPoint> Section(const Ellipsoid& ellipsoid, int first, int second,
                                  const ViewTurn& view, int points)
{
    std::vector<SectionPoint> section;
    section.reserve(static_cast<std::size_t>(points) + 1);
    const Vector3 a = view.Apply(ellipsoid.axes[first]);
    const Vector3 b = view.Apply(ellipsoid.axes[second]);
    const Vector3 c = view.Apply(ellipsoid.centre);
    for (int k = 0; k <= points; ++k) {
        const double t = 2 * std::numbers::pi * k / points;
        const double p = ellipsoid.semiAxes[first] * std::cos(t);
        const double q = ellipsoid.semiAxes[second] * std::sin(t);
        section.push_back(
            {c[0] + p * a[0] + q * b[0], c[1] + p * a[1] + q * b[1], p * a[2] + q * b[2] >= 0});
    }
    return section;
}

} // namespace orv::ui
