// The ellipsoid of inertia of one head as numbers in double precision, as
// the computation settles them before anything is rounded for storing or
// written as text. Windows that draw the head, reports and uncertainty
// propagation read it; the fourteen stored results and the editor's report
// texts are derived from it.
//
// Every length is in the measuring frame's axes x, y, z. A value whose step
// of the computation failed reads 0, as the stored results do; a radius of
// gyration that does not exist (no positive mass, a negative moment) is NaN.
#pragma once

#include <array>

namespace orv {

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>; // rows

struct EllipsoidGeometry {
    // The inertia tensor about the centre of gravity, kg-cm^2, rows and
    // columns x, y, z: T = integral of (|r|^2 1 - r r^T) dm. The diagonal
    // holds the moments about the axes through the centre of gravity; each
    // off-diagonal element is minus a product of inertia: T[0][1] = -Pxy
    // with Pxy = integral of x y dm.
    Matrix3 tensor{};

    // Whether the decomposition found three principal axes. Without them
    // the moments, axes and radii below read 0.
    bool principalAxesFound = false;
    // kg-cm^2, in the order stored as EigenX, EigenY, EigenZ.
    Vector3 principalMoments{};
    // principalAxes[i]: the unit vector (x, y, z) of principal axis i, in the
    // direction whose angles are stored as ThsX.. and PhsX..
    std::array<Vector3, 3> principalAxes{};
    Vector3 ths{}; // degrees, polar angle of axis i from +z
    Vector3 phs{}; // degrees, azimuth of axis i in the x-y plane from +x
    // cm: sqrt(moment / mass) about each principal axis.
    Vector3 radiiOfGyration{};

    // mm: the semi-axes of the equivalent uniform ellipsoid along principal
    // axis i, after the 3 mm floor, the scaling to the measured volume and
    // the 150 mm cap.
    Vector3 semiAxes{};
    bool raisedToFloor = false;  // a semi-axis was raised to the floor
    bool cutAtCap = false;       // a semi-axis was cut at the cap
    double equivalentVolume = 0; // cc, the volume of those semi-axes

    // kg-cm^2, the moment about the axis through the centre of gravity
    // tilted from z by the lie angle.
    double izcPrime = 0;

    // cm: the report's a, b, c, along x, y, z: an ellipsoid of the stored
    // equivalent volume whose semi-axes go as 1/sqrt of the stored IxxC,
    // IyyC, IzzC.
    Vector3 reportSemiAxes{};
};

// The products of inertia Pxy, Pyz, Pzx (kg-cm^2) with the sign convention
// P = integral of x y dm: minus the tensor's off-diagonal elements.
[[nodiscard]] inline Vector3 ProductsOfInertia(const EllipsoidGeometry& geometry)
{
    const Matrix3& t = geometry.tensor;
    // 0 - t rather than -t, so that a zero product is not shown as -0.
    return {0.0 - t[0][1], 0.0 - t[1][2], 0.0 - t[2][0]};
}

} // namespace orv
