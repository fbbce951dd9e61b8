#include "numeric/atan2.h"

#include "numeric/arithmetic_error.h"
#include "numeric/constants.h"

#include <cmath>

namespace orv {

float Atan2(float opp, float adj)
{
    constexpr float kThreshold = 0.0001f;
    constexpr double kHalfPi = kPi / 2.0;

    double base = kHalfPi;
    const float absAdj = std::fabs(adj);
    if (!(kThreshold > absAdj)) {
        const long double quotient = Checked(static_cast<long double>(opp) / adj);
        base = std::fabs(Checked(std::atan(static_cast<double>(quotient))));
    }
    float angle = ToSingle(base);
    if (adj < 0.0f)
        angle = ToSingle(kPi - angle);
    if (opp < 0.0f)
        angle = -angle;
    return angle;
}

} // namespace orv
