#include "numeric/arithmetic_error.h"

#include <cfloat>
#include <cmath>

namespace orv {
namespace {

const char* Describe(ArithmeticError::Kind kind)
{
    switch (kind) {
    case ArithmeticError::Kind::Overflow:
        return "Overflow";
    case ArithmeticError::Kind::DivisionByZero:
        return "Division by zero";
    case ArithmeticError::Kind::Invalid:
        return "Invalid floating-point operation";
    }
    return "Floating-point error";
}

template <typename Real>
Real CheckedValue(Real value)
{
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticError::Kind::Invalid);
    if (std::isinf(value))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return value;
}

} // namespace

ArithmeticError::ArithmeticError(Kind kind)
    : std::runtime_error(Describe(kind))
    , m_kind(kind)
{
}

double Checked(double value) { return CheckedValue(value); }
long double Checked(long double value) { return CheckedValue(value); }

float ToSingle(long double value)
{
    // Half an ulp above the largest single still rounds down to it; from
    // there on the nearest single would be infinite.
    constexpr long double kFirstOverflowing =
        static_cast<long double>(FLT_MAX) + std::ldexp(1.0L, 103);
    const long double magnitude = std::fabs(CheckedValue(value));
    if (magnitude >= kFirstOverflowing)
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    if (magnitude > FLT_MAX)
        return std::copysign(FLT_MAX, static_cast<float>(std::signbit(value) ? -1 : 1));
    return static_cast<float>(value);
}

double CheckedDivide(double numerator, double denominator)
{
    if (denominator == 0.0) {
        throw ArithmeticError(numerator == 0.0 || std::isnan(numerator)
                                  ? ArithmeticError::Kind::Invalid
                                  : ArithmeticError::Kind::DivisionByZero);
    }
    return Checked(numerator / denominator);
}

double CheckedSqrt(double value)
{
    if (value < 0.0)
        throw ArithmeticError(ArithmeticError::Kind::Invalid);
    return Checked(std::sqrt(value));
}

long double CheckedSqrt(long double value)
{
    if (value < 0.0L)
        throw ArithmeticError(ArithmeticError::Kind::Invalid);
    return Checked(std::sqrt(value));
}

double CheckedPow(double base, double exponent)
{
    return Checked(std::pow(base, exponent));
}

long double CheckedPow(long double base, long double exponent)
{
    return Checked(std::pow(base, exponent));
}

} // namespace orv
