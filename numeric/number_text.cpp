#include "numeric/number_text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace orv {
namespace {

// Room for the longest fixed-point form of a double with a few decimals.
using Buffer = std::array<char, 400>;

std::string_view ToChars(Buffer& buffer, double value, std::chars_format format, int precision)
{
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format,
                                      precision);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

std::string StripTrailingZeros(std::string_view digits)
{
    std::string text(digits);
    if (text.find('.') == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string FormatExponent(int exponent)
{
    std::string text = exponent < 0 ? "-" : "+";
    const std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2)
        text += '0';
    return text + digits;
}

bool IsDigit(char c, int radix)
{
    if (radix == 8)
        return c >= '0' && c <= '7';
    if (radix == 16)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    return c >= '0' && c <= '9';
}

double ParseRadixInteger(std::string_view digits, int radix)
{
    double value = 0.0;
    for (char c : digits) {
        if (!IsDigit(c, radix))
            break;
        const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        value = value * radix + digit;
    }
    return value;
}

std::size_t CountDigits(std::string_view text, std::size_t from)
{
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end], 10))
        ++end;
    return end - from;
}

// Converts a well-formed decimal text; beyond the double range the result is
// an infinity or a zero of the right sign instead of an error.
double ConvertDecimal(std::string_view number, bool exponentNegative)
{
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc::result_out_of_range)
        return value;
    const bool negative = number.front() == '-';
    long double wide = 0.0L;
    const auto wideResult = std::from_chars(number.data(), number.data() + number.size(), wide);
    const bool tooLarge = wideResult.ec == std::errc{} ? std::fabs(wide) > 1.0L : !exponentNegative;
    const double magnitude = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace

std::string FormatGeneral(double value, int significantDigits)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0)
        return "0";

    Buffer buffer;
    const std::string_view scientific = ToChars(buffer, value, std::chars_format::scientific,
                                                significantDigits - 1);
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+'),
                    scientific.data() + scientific.size(), exponent);

    if (exponent < -4 || exponent >= significantDigits)
        return StripTrailingZeros(scientific.substr(0, e)) + "E" + FormatExponent(exponent);

    Buffer fixedBuffer;
    return StripTrailingZeros(
        ToChars(fixedBuffer, value, std::chars_format::fixed, significantDigits - 1 - exponent));
}

std::string FormatSingle(float value) { return FormatGeneral(value, kSingleDigits); }

std::string FormatSingleToReadBack(float value)
{
    for (int digits = kSingleDigits; digits < kSingleRoundTripDigits; ++digits) {
        std::string text = FormatGeneral(value, digits);
        if (static_cast<float>(ParseLeadingNumber(text)) == value)
            return text;
    }
    return FormatGeneral(value, kSingleRoundTripDigits);
}

LeadingNumber ReadLeadingNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    }
    if (compact.empty())
        return {0.0, true};

    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = static_cast<char>(compact[1] | 0x20);
        const int radix = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
        if (radix == 0)
            return {0.0, false};
        const std::string_view digits = std::string_view(compact).substr(2);
        const bool whole = !digits.empty()
                           && std::all_of(digits.begin(), digits.end(),
                                          [&](char c) { return IsDigit(c, radix); });
        return {ParseRadixInteger(digits, radix), whole};
    }

    // Collect the longest leading number in the form from_chars accepts.
    std::string number;
    std::size_t pos = 0;
    if (pos < compact.size() && (compact[pos] == '+' || compact[pos] == '-')) {
        if (compact[pos] == '-')
            number += '-';
        ++pos;
    }
    const std::size_t integerDigits = CountDigits(compact, pos);
    number.append(compact, pos, integerDigits);
    pos += integerDigits;
    std::size_t fractionDigits = 0;
    if (pos < compact.size() && compact[pos] == '.') {
        fractionDigits = CountDigits(compact, pos + 1);
        number += '.';
        number.append(compact, pos + 1, fractionDigits);
        pos += 1 + fractionDigits;
    }
    if (integerDigits + fractionDigits == 0)
        return {0.0, false};
    if (integerDigits == 0)
        number.insert(number.size() - fractionDigits - 1, "0");

    bool exponentNegative = false;
    if (pos < compact.size()) {
        const char marker = static_cast<char>(compact[pos] | 0x20);
        if (marker == 'e' || marker == 'd') {
            std::size_t exponentPos = pos + 1;
            std::string sign;
            if (exponentPos < compact.size()
                && (compact[exponentPos] == '+' || compact[exponentPos] == '-')) {
                exponentNegative = compact[exponentPos] == '-';
                sign = exponentNegative ? "-" : "";
                ++exponentPos;
            }
            const std::size_t exponentDigits = CountDigits(compact, exponentPos);
            if (exponentDigits > 0) {
                number += "e" + sign + compact.substr(exponentPos, exponentDigits);
                pos = exponentPos + exponentDigits;
            }
        }
    }
    return {ConvertDecimal(number, exponentNegative), pos == compact.size()};
}

double ParseLeadingNumber(std::string_view text) { return ReadLeadingNumber(text).value; }

double RoundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    // When scaling is exact (always so for a single-precision value and up
    // to a few decimals) the tie decision can be made on the scaled value
    // directly; otherwise on the exact decimal expansion.
    // The powers of ten up to 1e15 are exact doubles, as pow gives them,
    // without pow's cost at every cell of the grids.
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (decimals >= 0 && decimals <= 15) {
        const double scale = kPowersOfTen[decimals];
        const double scaled = value * scale;
        // A single-precision value (24 significant bits) times 10^9 or less
        // (at most 21) is always exact; only other values need the fma test.
        const bool single = std::fabs(value) <= FLT_MAX
                            && static_cast<double>(static_cast<float>(value)) == value;
        const bool exact = (decimals <= 9 && single) || std::fma(value, scale, -scaled) == 0.0;
        // rint rounds as nearbyint does in the default rounding mode, without
        // saving the floating-point environment.
        if (exact && std::fabs(scaled) < 0x1p52)
            return std::rint(scaled) / scale;
    }
    Buffer buffer;
    const std::string_view rounded = ToChars(buffer, value, std::chars_format::fixed, decimals);
    double result = 0.0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), result);
    return result;
}

std::string FormatRounded(double value, int decimals)
{
    return FormatGeneral(RoundHalfEven(value, decimals), kDoubleDigits);
}

std::string ShortestText(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace orv
