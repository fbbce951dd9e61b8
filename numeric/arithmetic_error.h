// Floating-point failures as errors the caller sees.
//
// Every numeric routine tests each result where it stores it: an overflow, a
// division by zero or an invalid operation (the square root of a negative
// number, say) raises ArithmeticError instead of letting an infinity or a NaN
// travel on. The computation then decides what a failed step means.
#pragma once

#include <stdexcept>

namespace orv {

class ArithmeticError : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, Invalid };

    explicit ArithmeticError(Kind kind);

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

// The value itself when it is finite; otherwise the failure it stands for.
[[nodiscard]] double Checked(double value);
[[nodiscard]] long double Checked(long double value);

// Rounds to the nearest single-precision value; a value beyond the single
// range (or a NaN) is an error rather than an infinity.
[[nodiscard]] float ToSingle(long double value);

[[nodiscard]] double CheckedDivide(double numerator, double denominator);
[[nodiscard]] double CheckedSqrt(double value);
[[nodiscard]] long double CheckedSqrt(long double value);
[[nodiscard]] double CheckedPow(double base, double exponent);
[[nodiscard]] long double CheckedPow(long double base, long double exponent);

} // namespace orv
