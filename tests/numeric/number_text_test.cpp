#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace orv {
namespace {

struct FormatCase {
    float value;
    const char* text;
};

class FormatSingleTest : public ::testing::TestWithParam<FormatCase> { };

TEST_P(FormatSingleTest, WritesTheGeneralNumberFormat)
{
    EXPECT_EQ(FormatSingle(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatSingleTest,
    ::testing::Values(FormatCase{239.88f, "239.88"}, FormatCase{250, "250"},
                      FormatCase{35.15f, "35.15"}, FormatCase{0, "0"}, FormatCase{-0.0f, "0"},
                      FormatCase{66.33f, "66.33"}, FormatCase{0.00001f, "1E-05"},
                      FormatCase{12345678, "1.234568E+07"}, FormatCase{1234567, "1234567"},
                      FormatCase{0.0001f, "0.0001"}, FormatCase{0.00000015f, "1.5E-07"},
                      FormatCase{200.5f, "200.5"}, FormatCase{-2.5f, "-2.5"},
                      FormatCase{1.9999996f, "2"}, FormatCase{9999999.0f, "9999999"},
                      FormatCase{99999999.0f, "1E+08"}, FormatCase{3.4e38f, "3.4E+38"},
                      FormatCase{2.3317f, "2.3317"},
                      FormatCase{std::numeric_limits<float>::infinity(), "Infinity"}));

TEST(FormatGeneral, DoublesKeepFifteenDigits)
{
    EXPECT_EQ(FormatGeneral(1234567.125, kDoubleDigits), "1234567.125");
    EXPECT_EQ(FormatGeneral(1e15, kDoubleDigits), "1E+15");
    EXPECT_EQ(FormatGeneral(1e-5, kDoubleDigits), "1E-05");
}

struct ParseCase {
    const char* text;
    double value;
};

class ParseLeadingNumberTest : public ::testing::TestWithParam<ParseCase> { };

TEST_P(ParseLeadingNumberTest, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(ParseLeadingNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseLeadingNumberTest,
    ::testing::Values(ParseCase{"12.5 g", 12.5}, ParseCase{"1,5", 1}, ParseCase{"abc", 0},
                      ParseCase{"", 0}, ParseCase{" 2 5", 25}, ParseCase{"\t-3\n.5", -3.5},
                      ParseCase{"+7", 7}, ParseCase{".5", 0.5}, ParseCase{"-.25x", -0.25},
                      ParseCase{"5.", 5}, ParseCase{".", 0}, ParseCase{"-", 0},
                      ParseCase{"1E3", 1000}, ParseCase{"1e-2", 0.01}, ParseCase{"2D2", 200},
                      ParseCase{"2d+1", 20}, ParseCase{"3e", 3}, ParseCase{"3e+", 3},
                      ParseCase{"1.2.3", 1.2}, ParseCase{"&HFF", 255}, ParseCase{"&hff", 255},
                      ParseCase{"&O17", 15}, ParseCase{"&o19", 1}, ParseCase{"&X1", 0},
                      ParseCase{"1E-400", 0}, ParseCase{"1 E 2", 100}, ParseCase{"239.88", 239.88},
                      ParseCase{"1e39", 1e39}, ParseCase{"\r5", 0}));

TEST(ParseLeadingNumber, BeyondTheDoubleRangeIsInfinite)
{
    EXPECT_EQ(ParseLeadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
}

TEST(ParseLeadingNumber, ReadsBackEveryFormattedSingle)
{
    for (float v : {239.88f, 1e-5f, 1.2345678e7f, 3.4e38f, -1.17549435e-38f, 0.1f, 1.0f / 3.0f}) {
        const float back = static_cast<float>(ParseLeadingNumber(FormatSingle(v)));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-6) << FormatSingle(v);
    }
}

struct ReadBackCase {
    float value;
    const char* text;
};

class FormatSingleToReadBackTest : public ::testing::TestWithParam<ReadBackCase> { };

TEST_P(FormatSingleToReadBackTest, WritesTheFewestDigitsThatReadBack)
{
    EXPECT_EQ(FormatSingleToReadBack(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatSingleToReadBackTest,
    ::testing::Values(ReadBackCase{239.88f, "239.88"}, ReadBackCase{0.1f, "0.1"},
                      ReadBackCase{1e-5f, "1E-05"}, ReadBackCase{1.234568e7f, "1.234568E+07"},
                      ReadBackCase{2.8512345f, "2.8512344"}, ReadBackCase{16777215.0f, "16777215"},
                      ReadBackCase{1.0f / 3.0f, "0.33333334"}, ReadBackCase{-0.0f, "0"},
                      ReadBackCase{3.4028235e38f, "3.4028235E+38"}));

TEST(FormatSingleToReadBack, EverySingleReadsBackToItself)
{
    std::mt19937 random(20261210);
    std::uniform_int_distribution<std::uint32_t> bits;
    int checked = 0;
    while (checked < 35000) {
        const float value = std::bit_cast<float>(bits(random));
        if (!std::isfinite(value))
            continue;
        ++checked;
        const std::string text = FormatSingleToReadBack(value);
        ASSERT_EQ(static_cast<float>(ParseLeadingNumber(text)), value) << text;
        if (static_cast<float>(ParseLeadingNumber(FormatSingle(value))) == value) {
            ASSERT_EQ(text, FormatSingle(value));
        }
    }
}

struct RoundCase {
    double value;
    int decimals;
    double rounded;
};

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> { };

TEST_P(RoundHalfEvenTest, RoundsExactTiesToEven)
{
    EXPECT_EQ(RoundHalfEven(GetParam().value, GetParam().decimals), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Examples, RoundHalfEvenTest,
                         ::testing::Values(RoundCase{static_cast<float>(12.3456), 3, 12.346},
                                           RoundCase{0.0625, 3, 0.062}, RoundCase{0.0875, 3, 0.087},
                                           RoundCase{200.5, 3, 200.5}, RoundCase{2.5, 0, 2},
                                           RoundCase{3.5, 0, 4}, RoundCase{-0.0625, 3, -0.062},
                                           RoundCase{2.0004, 3, 2}, RoundCase{4.2609, 2, 4.26},
                                           RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38}));

struct RoundedTextCase {
    double value;
    const char* text;
};

class FormatRoundedTest : public ::testing::TestWithParam<RoundedTextCase> { };

TEST_P(FormatRoundedTest, WritesTwoDecimalsWithoutTrailingZeros)
{
    EXPECT_EQ(FormatRounded(GetParam().value, 2), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, FormatRoundedTest,
                         ::testing::Values(RoundedTextCase{4.2609, "4.26"},
                                           RoundedTextCase{3.5, "3.5"}, RoundedTextCase{12.0, "12"},
                                           RoundedTextCase{0.0, "0"}, RoundedTextCase{-0.001, "0"},
                                           RoundedTextCase{3.479017, "3.48"}));

} // namespace
} // namespace orv

namespace orv {
namespace {

// The decimal expansion of the exact binary value decides, as printf-style
// conversion with ties to even does.
double RoundedByText(double value, int decimals)
{
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                   decimals)
                         .ptr;
    double result = 0;
    std::from_chars(buffer, end, result);
    return result;
}

TEST(RoundHalfEven, AgreesWithTheExactDecimalExpansionForAnySingle)
{
    std::mt19937 random(2026);
    for (int i = 0; i < 200000; ++i) {
        const float single = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(single))
            continue;
        for (int decimals : {2, 3}) {
            const double expected = RoundedByText(single, decimals);
            EXPECT_EQ(RoundHalfEven(single, decimals), expected) << single << " to " << decimals;
        }
    }
}

} // namespace
} // namespace orv

namespace orv {
namespace {

// Whether the number is the whole text: what the editor tells the user
// about a box it read only in part.
TEST(ReadLeadingNumber, SaysWhetherTheNumberIsTheWholeText)
{
    const struct {
        const char* text;
        double value;
        bool whole;
    } cases[] = {{"12.5", 12.5, true}, {" 1 2.5 ", 12.5, true}, {"", 0, true},
                 {"-3e2", -300, true}, {"&HFF", 255, true},     {"12.5 g", 12.5, false},
                 {"6,95", 6, false},   {"1.2.3", 1.2, false},   {"abc", 0, false},
                 {"1e", 1, false},     {"&Hxyz", 0, false},     {"+.5", 0.5, true}};
    for (const auto& c : cases) {
        const LeadingNumber read = ReadLeadingNumber(c.text);
        EXPECT_EQ(read.value, c.value) << c.text;
        EXPECT_EQ(read.whole, c.whole) << c.text;
    }
}

} // namespace
} // namespace orv
