#include "numeric/rotate_vector.h"

#include "numeric/arithmetic_error.h"
#include "numeric/constants.h"

#include <cmath>

namespace orv {

namespace {

struct Turn {
    double s;
    double c;
};

Turn TurnOf(float angleDegrees)
{
    const float theta = ToSingle(static_cast<long double>(angleDegrees)
                                 * static_cast<long double>(kPi) / 180.0L);
    return {std::sin(static_cast<double>(theta)), std::cos(static_cast<double>(theta))};
}

// The computation turns by these three angles only, five times per club:
// their sines and cosines are taken once, by the same steps, so every bit is
// the same.
Turn CachedTurnOf(float angleDegrees)
{
    static const Turn quarter = TurnOf(90);
    static const Turn eighth = TurnOf(45);
    static const Turn minusEighth = TurnOf(-45);
    if (angleDegrees == 90)
        return quarter;
    if (angleDegrees == 45)
        return eighth;
    if (angleDegrees == -45)
        return minusEighth;
    return TurnOf(angleDegrees);
}

} // namespace

Vec3 RotateVector(const Vec3& vector, std::string_view axis, float angleDegrees)
{
    const auto [s, c] = CachedTurnOf(angleDegrees);
    const double x = vector.x;
    const double y = vector.y;
    const double z = vector.z;

    Vec3 rotated = vector;
    if (axis == "Y") {
        rotated.x = ToSingle(x * c + z * s);
        rotated.z = ToSingle(z * c - x * s);
    } else if (axis == "X") {
        rotated.y = ToSingle(y * c - z * s);
        rotated.z = ToSingle(y * s + z * c);
    } else {
        rotated.x = ToSingle(x * c - y * s);
        rotated.y = ToSingle(x * s + y * c);
    }
    return rotated;
}

} // namespace orv
