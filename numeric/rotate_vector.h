// Rotation of a vector about one coordinate axis, as the inertia computation
// uses it to bring each measurement line onto the z axis.
#pragma once

#include "numeric/vec3.h"

#include <string_view>

namespace orv {

// Right-handed rotation by angleDegrees about "Y", "X" or, for any other
// name (lower case included), Z. The angle is turned into radians with the
// five-decimal pi and rounded to single precision before its sine and cosine
// are taken, so a quarter turn leaves a residue of about 1.27e-6.
// Throws ArithmeticError when a rotated component overflows.
[[nodiscard]] Vec3 RotateVector(const Vec3& vector, std::string_view axis, float angleDegrees);

} // namespace orv
