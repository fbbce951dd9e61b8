// The propagated uncertainties against Monte Carlo: the same bodies measured
// thousands of times with noise of the stated sizes, the spread of each
// result taken directly.
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/uncertainty.h"
#include "tests/inertia/rotated_box.h"
#include "tests/inertia/worked_example.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace orv {
namespace {

using namespace orv::testing;

std::array<double, 14> Values(const ClubResults& r)
{
    std::array<double, 14> values{};
    for (std::size_t k = 0; k < kResultReals.size(); ++k)
        values[k] = r.*kResultReals[k].member;
    return values;
}

Vector Direction(double ths, double phs)
{
    ths *= kTruePi / 180;
    phs *= kTruePi / 180;
    return {std::sin(ths) * std::cos(phs), std::sin(ths) * std::sin(phs), std::cos(ths)};
}

double Wrapped(double degrees)
{
    while (degrees > 180)
        degrees -= 360;
    while (degrees <= -180)
        degrees += 360;
    return degrees;
}

// The change of each result from `base`, each axis turned to point the way
// the base axis does.
std::array<double, 14> Change(const std::array<double, 14>& base, std::array<double, 14> other)
{
    for (int i = 0; i < 3; ++i) {
        if (Dot(Direction(other[3 + i], other[6 + i]), Direction(base[3 + i], base[6 + i])) < 0) {
            other[3 + i] = 180 - other[3 + i];
            other[6 + i] += 180;
        }
    }
    std::array<double, 14> change{};
    for (int k = 0; k < 14; ++k)
        change[k] = other[k] - base[k];
    for (int i = 0; i < 3; ++i)
        change[6 + i] = Wrapped(change[6 + i]);
    return change;
}

ClubMeasurements Club(const Box& box)
{
    ClubMeasurements club = Measure(box, Describe(box));
    club.Volume = 300;
    club.LieAngle = 60;
    return club;
}

class UncertaintyTest : public ::testing::TestWithParam<Box> { };

TEST_P(UncertaintyTest, AgreesWithMonteCarloWithinTenPercent)
{
    const ClubMeasurements club = Club(GetParam());
    InputUncertainties u;
    u.mass = 0.3;
    u.centre = 0.2;
    u.reading = 0.05;
    u.readingInPercent = true;
    u.volume = 1.5;
    u.lieAngle = 0.3;
    const ResultUncertainties propagated = UncertaintiesOf(club, u);

    std::mt19937 random(20261210);
    std::normal_distribution<double> noise;
    const auto base = Values(ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Results);
    constexpr int kSamples = 4000;
    std::array<double, 14> sumOfSquares{};
    for (int n = 0; n < kSamples; ++n) {
        ClubMeasurements measured = club;
        measured.Mass += static_cast<float>(u.mass * noise(random));
        for (float ClubMeasurements::*cm :
             {&ClubMeasurements::CMx, &ClubMeasurements::CMy, &ClubMeasurements::CMz})
            measured.*cm += static_cast<float>(u.centre * noise(random));
        for (float ClubMeasurements::*reading :
             {&ClubMeasurements::Ixx, &ClubMeasurements::Iyy, &ClubMeasurements::Izz,
              &ClubMeasurements::Ixy, &ClubMeasurements::Iyz, &ClubMeasurements::Izx})
            measured.*reading *= static_cast<float>(1 + u.reading / 100 * noise(random));
        measured.Volume += static_cast<float>(u.volume * noise(random));
        measured.LieAngle += static_cast<float>(u.lieAngle * noise(random));
        const auto change = Change(
            base, Values(ComputeEllipsoidOfInertia(measured, ReportTexts::Skip).Results));
        for (int k = 0; k < 14; ++k)
            sumOfSquares[k] += change[k] * change[k];
    }
    for (int k = 0; k < 14; ++k) {
        const double spread = std::sqrt(sumOfSquares[k] / kSamples);
        EXPECT_NEAR(propagated[k], spread, 0.1 * spread) << kResultReals[k].name;
    }
}

INSTANTIATE_TEST_SUITE_P(RotatedBoxes, UncertaintyTest,
                         ::testing::Values(Box{0.2, {10, 6, 4}, {30, 20, 10}, {1.5, -2, 0.5}},
                                           Box{0.35, {9, 5, 3}, {-40, 65, 15}, {-1, 2.5, -1}},
                                           Box{0.25, {12, 7, 2.5}, {120, -30, 80}, {3, 1, -0.5}},
                                           // Turned 30 degrees about x, then 45 about z:
                                           // one axis is (-0.61, 0.61, 0.5), where the
                                           // decomposition's choice of its sign flips with
                                           // the smallest change of a reading.
                                           Box{0.2, {10, 6, 4}, {45, 0, 30}, {1.5, -2, 0.5}}));

TEST(Uncertainty, ExactInputsGiveExactResults)
{
    const ResultUncertainties none = UncertaintiesOf(WorkedExample(), {});
    for (double u : none)
        EXPECT_EQ(u, 0.0);
    // Only the volume is uncertain: only the equivalent volume follows it.
    InputUncertainties volumeOnly;
    volumeOnly.volume = 2;
    const ResultUncertainties some = UncertaintiesOf(WorkedExample(), volumeOnly);
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(some[k], 0.0) << kResultReals[k].name;
    EXPECT_NEAR(some[13], 2, 1e-3);
}

// The diagonal moments about the centre of gravity are the axis readings
// less a fixed transfer: their uncertainty is the reading's own, absolute
// in kg-cm^2 or a percentage of each reading.
TEST(Uncertainty, AReadingsUncertaintyIsAbsoluteOrAPercentage)
{
    const struct {
        double reading;
        bool inPercent;
        double expected[3]; // u(IxxC), u(IyyC), u(IzzC)
    } cases[] = {{0.01, false, {0.01, 0.01, 0.01}}, {1, true, {0.0285, 0.0325, 0.045}}};
    for (const auto& c : cases) {
        InputUncertainties u;
        u.reading = c.reading;
        u.readingInPercent = c.inPercent;
        const ResultUncertainties result = UncertaintiesOf(WorkedExample(), u);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(result[9 + i], c.expected[i], 1e-3 * c.expected[i])
                << kResultReals[9 + i].name << (c.inPercent ? " in percent" : " absolute");
    }
}

// Two moments within 1% of each other and a third well apart: only the two
// close axes have angles without a derivative.
TEST(Uncertainty, OnlyTheTwoCloseAxesHaveInfiniteAngles)
{
    const ClubMeasurements club = DiagonalTensor(2, 3, 3.02f);
    InputUncertainties u;
    u.reading = 0.5;
    u.readingInPercent = true;
    const ResultUncertainties result = UncertaintiesOf(club, u);
    // EigenX 3.02 and EigenY 3 are the close pair; EigenZ 2 lies along x.
    for (int angle : {3, 4, 6, 7})
        EXPECT_TRUE(std::isinf(result[angle])) << kResultReals[angle].name;
    for (int angle : {5, 8})
        EXPECT_TRUE(std::isfinite(result[angle])) << kResultReals[angle].name;
    for (int moment : {0, 1, 2})
        EXPECT_TRUE(std::isfinite(result[moment])) << kResultReals[moment].name;
}

// A well-conditioned driver whose Izc' changes by a few single-precision
// ulps over the lie angle's uncertainty: the derivative is not quantised.
TEST(Uncertainty, ASmallSensitivityIsNotQuantised)
{
    ClubMeasurements club;
    club.Mass = 230.9f;
    club.CMx = 13.68f;
    club.CMy = -10.88f;
    club.CMz = 7.65f;
    club.Volume = 450;
    club.Ixx = 7.22f;
    club.Iyy = 6.10f;
    club.Izz = 7.21f;
    club.Ixy = 6.20f;
    club.Iyz = 6.84f;
    club.Izx = 6.60f;
    club.LieAngle = 57.9f;
    club.Azimuth = 180;
    InputUncertainties u;
    u.lieAngle = 0.2;
    const double propagated = UncertaintiesOf(club, u)[12];

    std::mt19937 random(57);
    std::normal_distribution<double> noise;
    const double base = ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Geometry.izcPrime;
    constexpr int kSamples = 4000;
    double sumOfSquares = 0;
    for (int n = 0; n < kSamples; ++n) {
        ClubMeasurements measured = club;
        measured.LieAngle += static_cast<float>(u.lieAngle * noise(random));
        const double change = ComputeEllipsoidOfInertia(measured, ReportTexts::Skip)
                                  .Geometry.izcPrime
                              - base;
        sumOfSquares += change * change;
    }
    const double spread = std::sqrt(sumOfSquares / kSamples);
    EXPECT_NEAR(spread, 1.77e-4, 0.1e-4);
    EXPECT_NEAR(propagated, spread, 0.1 * spread);
}

// No products of inertia: one principal axis lies along z, and its azimuth
// is undefined, while the other two axes keep theirs.
TEST(Uncertainty, TheAzimuthOfAnAxisAlongZHasNoUncertaintyToGive)
{
    const ClubMeasurements club = DiagonalTensor(2, 3, 3.5f);
    InputUncertainties u;
    u.reading = 0.5;
    u.readingInPercent = true;
    const ResultUncertainties result = UncertaintiesOf(club, u);
    // EigenX 3.5 lies along z: PhsX has none; ThsX and the others do.
    EXPECT_TRUE(std::isinf(result[6]));
    for (int finite : {3, 4, 5, 7, 8})
        EXPECT_TRUE(std::isfinite(result[finite])) << kResultReals[finite].name;
}

TEST(Uncertainty, WhereNoDerivativeExistsTheUncertaintyIsInfinite)
{
    InputUncertainties u;
    u.reading = 0.01;
    u.volume = 1;
    // Two equal moments: the angles of their axes are arbitrary.
    ClubMeasurements round = WorkedExample();
    round.Ixx = round.Iyy = round.Izz = round.Ixy = round.Iyz = round.Izx = 3;
    round.CMx = round.CMy = round.CMz = 0;
    const ResultUncertainties equal = UncertaintiesOf(round, u);
    EXPECT_TRUE(std::isinf(equal[3]));
    EXPECT_TRUE(std::isinf(equal[6]));
    EXPECT_TRUE(std::isfinite(equal[0]));
    // A semi-axis cut at the cap.
    EXPECT_TRUE(std::isinf(UncertaintiesOf(WorkedExample(1e7f), u)[13]));
    // A reading that is not a number.
    ClubMeasurements damaged = WorkedExample();
    damaged.Izz = std::numeric_limits<float>::quiet_NaN();
    for (double value : UncertaintiesOf(damaged, u))
        EXPECT_TRUE(std::isinf(value));
}

} // namespace
} // namespace orv
