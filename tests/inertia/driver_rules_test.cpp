// The driver rules' verdicts on both sides of each limit, with and without
// an uncertainty, and the moment they judge checked against the lie-axis
// moment of the worked example.
#include "inertia/driver_rules.h"
#include "tests/inertia/worked_example.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orv {
namespace {

struct VerdictCase {
    double value;
    double uncertainty;
    double limit;
    Verdict expected;
};

class VerdictTest : public ::testing::TestWithParam<VerdictCase> { };

TEST_P(VerdictTest, TakesTwiceTheUncertaintyEitherWay)
{
    const VerdictCase& c = GetParam();
    EXPECT_EQ(Judge(c.value, c.uncertainty, c.limit), c.expected)
        << c.value << " +- " << c.uncertainty << " against " << c.limit;
}

INSTANTIATE_TEST_SUITE_P(Limits, VerdictTest,
                         ::testing::Values(
                             // The moment limit, 6.0 kg-cm^2, without an uncertainty.
                             VerdictCase{5.99, 0, kMomentLimitAt60, Verdict::Conforming},
                             VerdictCase{6.0, 0, kMomentLimitAt60, Verdict::Conforming},
                             VerdictCase{6.01, 0, kMomentLimitAt60, Verdict::Nonconforming},
                             // With u = 0.04: 2u = 0.08 either way.
                             VerdictCase{5.91, 0.04, kMomentLimitAt60, Verdict::Conforming},
                             VerdictCase{5.93, 0.04, kMomentLimitAt60, Verdict::Undecided},
                             VerdictCase{6.07, 0.04, kMomentLimitAt60, Verdict::Undecided},
                             VerdictCase{6.09, 0.04, kMomentLimitAt60, Verdict::Nonconforming},
                             // The volume limit, 470 cc.
                             VerdictCase{470, 0, kVolumeLimit, Verdict::Conforming},
                             VerdictCase{470.5, 0, kVolumeLimit, Verdict::Nonconforming},
                             VerdictCase{465, 2, kVolumeLimit, Verdict::Conforming},
                             VerdictCase{467, 2, kVolumeLimit, Verdict::Undecided},
                             VerdictCase{473, 2, kVolumeLimit, Verdict::Undecided},
                             VerdictCase{475, 2, kVolumeLimit, Verdict::Nonconforming},
                             // No derivative, or no number: nothing can be decided.
                             VerdictCase{5, std::numeric_limits<double>::infinity(),
                                         kMomentLimitAt60, Verdict::Undecided},
                             VerdictCase{std::numeric_limits<double>::quiet_NaN(), 0,
                                         kMomentLimitAt60, Verdict::Undecided}));

TEST(DriverRules, JudgeIzcAtSixtyDegreesWhateverTheEnteredLie)
{
    // The worked example's Izc' at a 60 degree lie is 2.3317 kg-cm^2.
    for (const float lie : {0.0f, 57.0f}) {
        const DriverRules rules = CheckDriverRules(testing::WorkedExample(200, lie), {});
        EXPECT_NEAR(rules.moment.value, 2.331700, 5e-7) << lie;
        EXPECT_EQ(rules.moment.uncertainty, 0.0);
        EXPECT_EQ(rules.moment.verdict, Verdict::Conforming);
        EXPECT_NEAR(rules.MarginAt60(), 3668.3, 0.05);
        EXPECT_EQ(rules.volume.value, 200.0);
        EXPECT_EQ(rules.volume.verdict, Verdict::Conforming);
    }
}

TEST(DriverRules, UncertaintiesComeFromTheInstrument)
{
    InputUncertainties u;
    u.reading = 1;
    u.readingInPercent = true;
    u.volume = 3;
    const DriverRules rules = CheckDriverRules(testing::WorkedExample(468), u);
    // Izc' at 60 degrees is Txx s^2 + Tzz c^2 - 2 Tzx s c (s = sin 60,
    // c = cos 60), with Txx = Ixx - .., Tzz = Izz - .. and
    // Tzx = Izx - (Txx + Tzz) / 2: linear in Ixx, Izz and Izx, each 1%
    // uncertain.
    const double s = std::sin(60 * 3.14159 / 180);
    const double c = std::cos(60 * 3.14159 / 180);
    const double perIxx = (s * s + s * c) * 0.01 * 2.85;
    const double perIzz = (c * c + s * c) * 0.01 * 4.5;
    const double perIzx = 2 * s * c * 0.01 * 3.625;
    EXPECT_NEAR(rules.moment.uncertainty,
                std::sqrt(perIxx * perIxx + perIzz * perIzz + perIzx * perIzx), 1e-4);
    EXPECT_EQ(rules.volume.uncertainty, 3.0);
    EXPECT_EQ(rules.volume.verdict, Verdict::Undecided);
    ClubMeasurements damaged = testing::WorkedExample();
    damaged.Ixx = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(CheckDriverRules(damaged, {}).moment.verdict, Verdict::Undecided);
}

TEST(DriverRules, VerdictsHaveTheirStableNames)
{
    EXPECT_STREQ(VerdictName(Verdict::Conforming), "conforming");
    EXPECT_STREQ(VerdictName(Verdict::Nonconforming), "nonconforming");
    EXPECT_STREQ(VerdictName(Verdict::Undecided), "undecided");
}

} // namespace
} // namespace orv
