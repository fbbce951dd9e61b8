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

} // namespace

ArithmeticError::ArithmeticError(Kind kind)
    : std::runtime_error(Describe(kind))
    , m_kind(kind)
{
}

namespace detail {

void ThrowNotFinite(long double value)
{
    throw ArithmeticError(std::isnan(value) ? ArithmeticError::Kind::Invalid
                                            : ArithmeticError::Kind::Overflow);
}

float ToSingleBeyondRange(long double value)
{
    // Half an ulp above the largest single still rounds down to it; from
    // there on the nearest single would be infinite.
    const long double firstOverflowing = static_cast<long double>(FLT_MAX) + std::ldexp(1.0L, 103);
    if (std::isnan(value) || std::fabs(value) >= firstOverflowing)
        ThrowNotFinite(std::isnan(value) ? value : HUGE_VALL);
    return std::signbit(value) ? -FLT_MAX : FLT_MAX;
}

} // namespace detail

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

double CheckedPow(double base, double exponent) { return Checked(std::pow(base, exponent)); }

long double CheckedPow(long double base, long double exponent)
{
    return Checked(std::pow(base, exponent));
}

} // namespace orv
