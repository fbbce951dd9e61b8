#include "clubs/code_page.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace orv {
namespace {

// Code points of the bytes 0x80-0x9F; the rest map to themselves.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t ToCodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControlRange[byte - 0x80] : byte;
}

std::optional<unsigned char> ToByte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    const auto found = std::find(kHighControlRange.begin(), kHighControlRange.end(), codePoint);
    if (found == kHighControlRange.end())
        return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - kHighControlRange.begin()));
}

void AppendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next code point of a UTF-8 text, or nothing when it is malformed.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size())
        return std::nullopt;
    for (int i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return c;
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::string Windows1252ToUtf8(std::string_view bytes)
{
    if (IsAscii(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char byte : bytes)
        AppendUtf8(text, ToCodePoint(static_cast<unsigned char>(byte)));
    return text;
}

bool AppendAsWindows1252(std::string& out, std::string_view utf8)
{
    if (IsAscii(utf8)) {
        out += utf8;
        return true;
    }
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::optional<char32_t> c = NextCodePoint(utf8, pos);
        if (!c)
            return false;
        const std::optional<unsigned char> byte = ToByte(*c);
        if (!byte)
            return false;
        out += static_cast<char>(*byte);
    }
    return true;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    if (!AppendAsWindows1252(bytes, utf8))
        return std::nullopt;
    return bytes;
}

} // namespace orv
