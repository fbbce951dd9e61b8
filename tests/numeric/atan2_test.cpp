#include "numeric/atan2.h"

#include "numeric/arithmetic_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orv {
namespace {

struct Atan2Case {
    float opp;
    float adj;
    float expected;
};

class Atan2Test : public ::testing::TestWithParam<Atan2Case> { };

TEST_P(Atan2Test, GivesTheAngleOfThePointWithTheFiveDecimalPi)
{
    const Atan2Case& c = GetParam();
    EXPECT_EQ(Atan2(c.opp, c.adj), c.expected) << "opp " << c.opp << ", adj " << c.adj;
}

INSTANTIATE_TEST_SUITE_P(
    Quadrants, Atan2Test,
    ::testing::Values(Atan2Case{0, 0, 1.570795f}, Atan2Case{-1, 0, -1.570795f},
                      Atan2Case{0, -1, 3.14159f}, Atan2Case{0, 1, 0.0f},
                      Atan2Case{-0.0f, -1, 3.14159f},
                      // 3.14159 - 1.570795 in single precision: 1.570795 to 7 digits.
                      Atan2Case{1, -0.00005f, static_cast<float>(3.14159 - double(1.570795f))},
                      Atan2Case{1, 1, static_cast<float>(std::atan(1.0))},
                      Atan2Case{-1, -1, -static_cast<float>(3.14159 - 0.785398185253143310546875)},
                      Atan2Case{1, 0.0001f, static_cast<float>(std::atan(1.0 / 0.0001f))}));

TEST(Atan2, ThresholdTestIsStrict)
{
    // At exactly 0.0001 the arctangent path is taken, which is not 1.570795.
    EXPECT_NE(Atan2(1, 0.0001f), 1.570795f);
    EXPECT_EQ(Atan2(1, 0.0000999f), 1.570795f);
}

TEST(Atan2, NanArgumentIsAnError)
{
    EXPECT_THROW((void)Atan2(std::numeric_limits<float>::quiet_NaN(), 1), ArithmeticError);
    EXPECT_THROW((void)Atan2(1, std::numeric_limits<float>::quiet_NaN()), ArithmeticError);
}

} // namespace
} // namespace orv
