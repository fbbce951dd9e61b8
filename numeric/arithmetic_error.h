// Floating-point failures as errors the caller sees.
//
// Every numeric routine tests each result where it stores it: an overflow, a
// division by zero or an invalid operation (the square root of a negative
// number, say) raises ArithmeticError instead of letting an infinity or a NaN
// travel on. The computation then decides what a failed step means.
#pragma once

#include <cfloat>
#include <cmath>
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

namespace detail {
[[noreturn]] void ThrowNotFinite(long double value);
[[nodiscard]] float ToSingleBeyondRange(long double value);
} // namespace detail

// The value itself when it is finite; otherwise the failure it stands for.
[[nodiscard]] inline double Checked(double value)
{
    if (!std::isfinite(value)) [[unlikely]]
        detail::ThrowNotFinite(value);
    return value;
}

[[nodiscard]] inline long double Checked(long double value)
{
    if (!std::isfinite(value)) [[unlikely]]
        detail::ThrowNotFinite(value);
    return value;
}

// Rounds to the nearest single-precision value; a value beyond the single
// range (or a NaN) is an error rather than an infinity.
[[nodiscard]] inline float ToSingle(double value)
{
    if (std::fabs(value) <= FLT_MAX) [[likely]]
        return static_cast<float>(value);
    return detail::ToSingleBeyondRange(value);
}

[[nodiscard]] inline float ToSingle(long double value)
{
    if (std::fabs(value) <= FLT_MAX) [[likely]]
        return static_cast<float>(value);
    return detail::ToSingleBeyondRange(value);
}

[[nodiscard]] double CheckedDivide(double numerator, double denominator);
[[nodiscard]] double CheckedSqrt(double value);
[[nodiscard]] long double CheckedSqrt(long double value);
[[nodiscard]] double CheckedPow(double base, double exponent);
[[nodiscard]] long double CheckedPow(long double base, long double exponent);

} // namespace orv
