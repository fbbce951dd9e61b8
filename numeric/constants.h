// The constants the whole computation shares. Pi is deliberately the
// five-decimal value the measurements have always been reduced with: a more
// precise one would change stored results in their last digits.
#pragma once

namespace orv {

inline constexpr double kPi = 3.14159;

} // namespace orv
