// How numbers become text and text becomes numbers, shared by the grids,
// the editor and the report so that every window writes a value the same way
// and reads back what it wrote. All of it is independent of the user's
// locale: the decimal separator is always a full stop.
#pragma once

#include <string>
#include <string_view>

namespace orv {

inline constexpr int kSingleDigits = 7;
inline constexpr int kDoubleDigits = 15;
// Enough significant digits to tell every single-precision value apart.
inline constexpr int kSingleRoundTripDigits = 9;

// The general number format: at most `significantDigits` significant digits,
// no trailing zeros or trailing point; exponent form ("1E-05",
// "1.234568E+07") when the decimal exponent is below -4 or reaches
// `significantDigits`. Zero of either sign is "0".
[[nodiscard]] std::string FormatGeneral(double value, int significantDigits);

// A single-precision value as the measurements grid shows it.
[[nodiscard]] std::string FormatSingle(float value);

// A single-precision value as an editor box shows it, so that reading the
// box back gives the same value: FormatSingle where that reads back, which
// covers every value typed with up to 7 digits, otherwise the general format
// with the fewest digits, up to 9, that does.
[[nodiscard]] std::string FormatSingleToReadBack(float value);

// The shortest text that reads back to the same single ("6.95", "1e-07"), as
// CSV and the clipboard carry numbers.
[[nodiscard]] std::string ShortestText(float value);

// The number at the start of the text. Spaces, tabs and line feeds are
// ignored wherever they stand; a point is the decimal separator; an E or D
// exponent may follow; "&H" and "&O" read hexadecimal and octal integers.
// Reading stops at the first character that cannot continue the number, and
// a text without a leading number is 0. A magnitude beyond the double range
// comes back infinite, so the caller can tell it from a real number.
[[nodiscard]] double ParseLeadingNumber(std::string_view text);

// The same number, and whether it is the whole text: "12.5" is, "12.5 g",
// "6,95" and "1.2.3" are not (their number is read and the rest dropped).
// An empty text is whole; a text without a number is not.
struct LeadingNumber {
    double value;
    bool whole;
};
[[nodiscard]] LeadingNumber ReadLeadingNumber(std::string_view text);

// The value rounded to `decimals` places, an exact tie going to the even last
// digit. The decision is made on the exact binary value, so 0.0625 gives
// 0.062 and a float 12.3456 gives 12.346.
[[nodiscard]] double RoundHalfEven(double value, int decimals);

// RoundHalfEven written in the plain general form with up to 15 significant
// digits: 4.2609 to 2 places is "4.26", 12.0 is "12".
[[nodiscard]] std::string FormatRounded(double value, int decimals);

} // namespace orv
