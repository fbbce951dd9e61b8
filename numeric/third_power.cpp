#include "numeric/third_power.h"

#include "numeric/arithmetic_error.h"

#include <cfloat>
#include <cmath>

namespace orv {
namespace {

// How close, in extended-precision ulps, the estimate may come to a point
// halfway between two doubles before the library's pow is asked. The
// estimate and pow are each within about an ulp of the true power.
constexpr long double kHalfwayMargin = 16;

} // namespace

double ThirdPowerToDouble(long double x)
{
    const long double exponent = 1.0 / 3.0;
    // Outside the doubles' normal range the library decides alone.
    if (!(x >= DBL_MIN && x <= DBL_MAX))
        return static_cast<double>(CheckedPow(x, exponent));

    // The double nearest 1/3 is (1 - 2^-54) / 3, so
    // x^exponent = cbrt(x) * x^(-2^-54 / 3) = cbrt(x) * (1 - ln(x) 2^-54 / 3)
    // to far better than an extended ulp.
    const long double correction = std::log(static_cast<double>(x)) * 0x1p-54 / 3.0;
    const long double estimate = std::cbrt(x) * (1.0L - correction);
    const double rounded = static_cast<double>(estimate);
    // The point halfway to the neighbouring double on the estimate's side,
    // exact in extended precision.
    const double neighbour = std::nextafter(rounded, estimate > rounded ? HUGE_VAL : 0.0);
    const long double halfway = (static_cast<long double>(rounded) + neighbour) / 2;
    if (std::fabs(estimate - halfway) < kHalfwayMargin * estimate * 0x1p-63L)
        return static_cast<double>(CheckedPow(x, exponent));
    return rounded;
}

} // namespace orv
