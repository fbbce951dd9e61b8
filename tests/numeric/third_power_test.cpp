// The fast third power against the library's extended-precision pow it
// stands for, bit for bit, across the range and at the awkward points.
#include "numeric/third_power.h"

#include "numeric/arithmetic_error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace orv {
namespace {

double Reference(long double x)
{
    return static_cast<double>(std::pow(x, static_cast<long double>(1.0 / 3.0)));
}

TEST(ThirdPower, EqualsTheLibraryPowOverManyMagnitudes)
{
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> exponent(-700, 700);
    for (int i = 0; i < 200000; ++i) {
        const long double x = std::exp(static_cast<long double>(exponent(random)));
        ASSERT_EQ(ThirdPowerToDouble(x), Reference(x)) << static_cast<double>(x);
    }
}

TEST(ThirdPower, EqualsTheLibraryPowWhereTheRoundingIsClose)
{
    // Cubes of doubles and of points halfway between doubles: the exact
    // cube root sits on, or right beside, a rounding boundary.
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> root(0.5, 200);
    for (int i = 0; i < 50000; ++i) {
        const double r = root(random);
        const long double halfway = (static_cast<long double>(r) + std::nextafter(r, HUGE_VAL)) / 2;
        for (long double base : {static_cast<long double>(r), halfway}) {
            const long double x = base * base * base;
            ASSERT_EQ(ThirdPowerToDouble(x), Reference(x)) << static_cast<double>(x);
        }
    }
}

TEST(ThirdPower, EdgesFollowTheLibrary)
{
    for (long double x : {0.0L, 1.0L, 8.0L, 27.0L, static_cast<long double>(DBL_MIN),
                          static_cast<long double>(DBL_MAX), LDBL_MIN / 4, LDBL_MAX, 1e-320L}) {
        EXPECT_EQ(ThirdPowerToDouble(x), Reference(x)) << static_cast<double>(x);
    }
    EXPECT_THROW((void)ThirdPowerToDouble(-8.0L), ArithmeticError);
    EXPECT_THROW((void)ThirdPowerToDouble(std::numeric_limits<long double>::infinity()),
                 ArithmeticError);
    EXPECT_THROW((void)ThirdPowerToDouble(std::numeric_limits<long double>::quiet_NaN()),
                 ArithmeticError);
}

} // namespace
} // namespace orv
