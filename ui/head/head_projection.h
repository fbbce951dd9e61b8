// The geometry of the head window's drawing, apart from any painting: the
// view's turn, the projection of a point, and the outline of an ellipsoid
// as the view shows it. Orthographic: the screen's right is the view's
// first axis, up its second, and its third points at the viewer.
#pragma once

#include "inertia/ellipsoid_geometry.h"

#include <array>
#include <vector>

namespace orv::ui {

// A turn of the measuring frame into the view's frame: row k is the view's
// axis k in measuring coordinates.
struct ViewTurn {
    Matrix3 rows{};

    // Looking along -x (x at the viewer), with z up and y to the right;
    // along -y, with z up and x to the left, ...; along -z, with y up; and an
    // oblique view between them.
    [[nodiscard]] static ViewTurn AlongX();
    [[nodiscard]] static ViewTurn AlongY();
    [[nodiscard]] static ViewTurn AlongZ();
    [[nodiscard]] static ViewTurn Oblique();
    // This turn followed by a turn about the screen's vertical axis (yaw)
    // and its horizontal axis (pitch), in radians, as a mouse drag gives.
    [[nodiscard]] ViewTurn Turned(double yaw, double pitch) const;

    // The point in view coordinates (right, up, towards the viewer).
    [[nodiscard]] Vector3 Apply(const Vector3& point) const;
};

// An ellipse in the view's plane: centre, semi-axes and the angle of the
// first semi-axis from the view's right, counter-clockwise, radians.
struct Ellipse2 {
    double centreX = 0, centreY = 0;
    double semiMajor = 0, semiMinor = 0;
    double angle = 0;

    // The point at parameter t, 0 .. 2 pi.
    [[nodiscard]] std::array<double, 2> At(double t) const;
};

// An ellipsoid of the head: its centre, semi-axes and the unit directions
// they lie along (axes[i] belongs to semiAxes[i]).
struct Ellipsoid {
    Vector3 centre{};
    Vector3 semiAxes{};
    std::array<Vector3, 3> axes{};
};

// The equivalent ellipsoid of a head about its centre of gravity, along its
// principal axes (mm).
[[nodiscard]] Ellipsoid EquivalentEllipsoid(const EllipsoidGeometry& geometry);

// The outline the view shows of the ellipsoid: the projection of an
// ellipsoid x = c + R S u (|u| = 1) is the ellipse of the 2 x 2 upper block
// of V R S^2 R^T V^T.
[[nodiscard]] Ellipse2 Outline(const Ellipsoid& ellipsoid, const ViewTurn& view);

// The ellipse in which the plane through the centre, spanned by two of the
// ellipsoid's axes, cuts it, as the view shows it: for its principal
// sections. Points closer to the viewer than the centre are the front half.
struct SectionPoint {
    double x, y;
    bool front;
};
[[nodiscard]] std::vector<SectionPoint> Section(const Ellipsoid& ellipsoid, int first, int second,
                                                const ViewTurn& view, int points);

} // namespace orv::ui
