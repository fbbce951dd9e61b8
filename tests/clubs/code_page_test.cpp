#include "clubs/code_page.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

struct CodePageCase {
    const char* bytes;
    const char* utf8;
};

class CodePageTest : public ::testing::TestWithParam<CodePageCase> { };

TEST_P(CodePageTest, ConvertsBothWays)
{
    EXPECT_EQ(Windows1252ToUtf8(GetParam().bytes), GetParam().utf8);
    EXPECT_EQ(Utf8ToWindows1252(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CodePageTest,
    ::testing::Values(CodePageCase{"Driver 7", "Driver 7"}, CodePageCase{"\x80", "\u20ac"},
                      CodePageCase{"\x81", "\u0081"},
                      CodePageCase{"\x8D\x8F\x90\x9D", "\u008d\u008f\u0090\u009d"},
                      CodePageCase{"\x9F", "\u0178"},
                      CodePageCase{"\xA0\xE9\xFF", "\u00a0\u00e9\u00ff"},
                      CodePageCase{"\x93quoted\x94", "\u201cquoted\u201d"}));

TEST(CodePage, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(byte)), byte) << b;
    }
}

TEST(CodePage, RefusesWhatItCannotStore)
{
    for (const char* text :
         {"\u65e5", "\u0080", "\U0001F600", "\xC3", "\xC0\x80", "\xED\xA0\x80", "\xFF", "a\x80"}) {
        EXPECT_FALSE(Utf8ToWindows1252(text).has_value()) << text;
    }
}

} // namespace
} // namespace orv
