#include "numeric/rotate_vector.h"

#include "numeric/arithmetic_error.h"
#include "numeric/constants.h"

#include <cmath>

namespace orv {

Vec3 RotateVector(const Vec3& vector, std::string_view axis, float angleDegrees)
{
    const float theta = ToSingle(static_cast<long double>(angleDegrees)
                                 * static_cast<long double>(kPi) / 180.0L);
    const double s = std::sin(static_cast<double>(theta));
    const double c = std::cos(static_cast<double>(theta));
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
