// x to the power of the double nearest 1/3, taken in extended precision and
// rounded to double, as the report's semi-axes need it.
//
// The C library's extended-precision pow costs about 300 ns on x87, more
// than the rest of a club's computation together. The cube root in extended
// precision, corrected for the exponent being slightly less than 1/3, gives
// the same double far faster: the two extended values differ by an ulp or
// two, which changes the rounding to double only near a halfway point, and
// there the library's pow decides.
#pragma once

namespace orv {

// static_cast<double>(pow(x, (long double)(1.0 / 3.0))) for every x, to
// the bit; a result that is not finite raises ArithmeticError as CheckedPow
// does.
[[nodiscard]] double ThirdPowerToDouble(long double x);

} // namespace orv
