#include "inertia/uncertainty.h"

#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/internal/computation_state.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <vector>

namespace orv {
namespace {

constexpr double kInfinite = std::numeric_limits<double>::infinity();
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr std::size_t kResults = kResultReals.size();
constexpr double kRoundingUlps = 64;
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// An axis whose x-y component is below this lies along z: its azimuth is
// undefined.
constexpr double kUndefinedAzimuth = 1e-6;

// The values one computation gives, in double precision where it has them.
struct Outcome {
    bool complete = false;
    std::array<double, 3> moments{};
    std::array<std::array<double, 3>, 3> axes{}; // axes[i]: x, y, z of axis i
    std::array<double, 3> ths{};                 // degrees, of axes[i]
    std::array<double, 3> phs{};
    std::array<double, 3> diagonal{};
    double izcPrime = 0;
    double volume = 0;
    bool bounded = false;
};

Outcome Compute(const ClubMeasurements& club)
{
    // The stages alone: neither the stored results nor the report's axes.
    inertia::ComputationState state(club);
    inertia::RunStages(state);
    const EllipsoidGeometry geometry = inertia::GeometryOf(state);
    Outcome outcome;
    if (!geometry.principalAxesFound)
        return outcome;
    outcome.moments = geometry.principalMoments;
    outcome.axes = geometry.principalAxes;
    for (int i = 0; i < 3; ++i) {
        const auto& v = outcome.axes[i];
        // Unit vectors: no overflow for hypot to guard against.
        outcome.ths[i] = std::atan2(std::sqrt(v[0] * v[0] + v[1] * v[1]), v[2]) * kDegreesPerRadian;
        outcome.phs[i] = std::atan2(v[1], v[0]) * kDegreesPerRadian;
        outcome.diagonal[i] = geometry.tensor[i][i];
    }
    // The double-precision values, not the stored singles: a derivative
    // taken from rounded results is quantised to their ulps.
    outcome.izcPrime = geometry.izcPrime;
    outcome.volume = geometry.equivalentVolume;
    outcome.bounded = geometry.raisedToFloor || geometry.cutAtCap;
    outcome.complete = true;
    return outcome;
}

double WrappedDegrees(double difference)
{
    while (difference > 180)
        difference -= 360;
    while (difference <= -180)
        difference += 360;
    return difference;
}

// The change of every result from `base` to `other`, the axes of `other`
// turned to point as those of `base` do.
std::array<double, kResults> Change(const Outcome& base, const Outcome& other)
{
    std::array<double, kResults> change{};
    for (int i = 0; i < 3; ++i) {
        change[i] = other.moments[i] - base.moments[i];
        const auto& axis = other.axes[i];
        const auto& b = base.axes[i];
        // The opposite direction has the supplementary polar angle and the
        // azimuth half a turn away.
        const bool opposite = axis[0] * b[0] + axis[1] * b[1] + axis[2] * b[2] < 0;
        const double ths = opposite ? 180 - other.ths[i] : other.ths[i];
        const double phs = opposite ? other.phs[i] + 180 : other.phs[i];
        change[3 + i] = ths - base.ths[i];
        change[6 + i] = WrappedDegrees(phs - base.phs[i]);
        change[9 + i] = other.diagonal[i] - base.diagonal[i];
    }
    change[12] = other.izcPrime - base.izcPrime;
    change[13] = other.volume - base.volume;
    // A change within a few dozen ulps of the value is the rounding of the
    // double-precision steps, not a derivative (the equivalent volume, say,
    // which the scaling holds at the measured volume).
    const std::array<double, kResults> values = {
        base.moments[0],  base.moments[1],  base.moments[2], base.ths[0], base.ths[1],
        base.ths[2],      base.phs[0],      base.phs[1],     base.phs[2], base.diagonal[0],
        base.diagonal[1], base.diagonal[2], base.izcPrime,   base.volume};
    for (std::size_t k = 0; k < kResults; ++k)
        if (std::fabs(change[k]) <= kRoundingUlps * kEpsilon * std::fabs(values[k]))
            change[k] = 0;
    return change;
}

struct Input {
    float ClubMeasurements::*field;
    double uncertainty;
    double step; // a small change of the input, in its unit
};

std::vector<Input> Inputs(const ClubMeasurements& club, const InputUncertainties& u)
{
    const auto relative = [](float value, double floor) {
        return 1e-4 * std::max(std::fabs(static_cast<double>(value)), floor);
    };
    std::vector<Input> inputs = {
        {&ClubMeasurements::Mass, u.mass, relative(club.Mass, 1)},
        {&ClubMeasurements::CMx, u.centre, 1e-3},
        {&ClubMeasurements::CMy, u.centre, 1e-3},
        {&ClubMeasurements::CMz, u.centre, 1e-3},
        {&ClubMeasurements::Volume, u.volume, relative(club.Volume, 1)},
        {&ClubMeasurements::LieAngle, u.lieAngle, 1e-3},
    };
    for (float ClubMeasurements::*reading :
         {&ClubMeasurements::Ixx, &ClubMeasurements::Iyy, &ClubMeasurements::Izz,
          &ClubMeasurements::Ixy, &ClubMeasurements::Iyz, &ClubMeasurements::Izx}) {
        const double value = std::fabs(static_cast<double>(club.*reading));
        inputs.push_back({reading, u.readingInPercent ? u.reading / 100 * value : u.reading,
                          relative(club.*reading, 1e-3)});
    }
    return inputs;
}

// Perturbs each uncertain input in turn and hands the perturbed
// measurements, the change the single-precision input really got and its
// uncertainty to `add`; false as soon as a change cannot be had.
template <typename Add>
bool Propagate(const ClubMeasurements& asCalculated, const InputUncertainties& u, Add&& add)
{
    for (const Input& input : Inputs(asCalculated, u)) {
        if (!(input.uncertainty > 0))
            continue;
        ClubMeasurements perturbed = asCalculated;
        float& value = perturbed.*input.field;
        value = static_cast<float>(value + input.step);
        const double step = static_cast<double>(value) - (asCalculated.*input.field);
        if (step == 0 || !add(perturbed, step, input.uncertainty))
            return false;
    }
    return true;
}

bool AllFinite(const ClubMeasurements& club)
{
    for (const MeasuredReal& field : kEnteredReals)
        if (!std::isfinite(club.*field.member))
            return false;
    return true;
}

} // namespace

std::vector<double>
UncertaintiesOfValues(const ClubMeasurements& club, const InputUncertainties& u,
                      const std::function<std::vector<double>(const ClubMeasurements&)>& values)
{
    const std::vector<double> base = values(club);
    std::vector<double> variance(base.size(), 0.0);
    const bool complete = AllFinite(club)
                          && Propagate(club, u,
                                       [&](const ClubMeasurements& perturbed, double step,
                                           double uncertainty) {
                                           const std::vector<double> changed = values(perturbed);
                                           for (std::size_t k = 0; k < base.size(); ++k) {
                                               double change = changed[k] - base[k];
                                               // The rounding of double steps, as in
                                               // UncertaintiesOf, is no derivative.
                                               if (std::fabs(change)
                                                   <= kRoundingUlps * kEpsilon * std::fabs(base[k]))
                                                   change = 0;
                                               const double contribution = change / step
                                                                           * uncertainty;
                                               variance[k] += contribution * contribution;
                                           }
                                           return true;
                                       });
    std::vector<double> result(base.size(), kInfinite);
    for (std::size_t k = 0; complete && k < base.size(); ++k)
        if (std::isfinite(base[k]) && std::isfinite(variance[k]))
            result[k] = std::sqrt(variance[k]);
    return result;
}

double UncertaintyOf(const ClubMeasurements& club, const InputUncertainties& u,
                     const std::function<double(const ClubMeasurements&)>& value)
{
    return UncertaintiesOfValues(
               club, u, [&](const ClubMeasurements& c) { return std::vector<double>{value(c)}; })
        .front();
}

ResultUncertainties UncertaintiesOf(const ClubMeasurements& club, const InputUncertainties& u)
{
    ResultUncertainties result{};
    const ClubMeasurements asCalculated = AsCalculated(club);
    const Outcome base = Compute(asCalculated);
    if (!AllFinite(club) || !base.complete) {
        result.fill(kInfinite);
        return result;
    }

    std::array<double, kResults> variance{};
    const bool complete = Propagate(
        asCalculated, u, [&](const ClubMeasurements& perturbed, double step, double uncertainty) {
            const Outcome other = Compute(perturbed);
            if (!other.complete)
                return false;
            const std::array<double, kResults> change = Change(base, other);
            for (std::size_t k = 0; k < kResults; ++k) {
                const double contribution = change[k] / step * uncertainty;
                variance[k] += contribution * contribution;
            }
            return true;
        });
    if (!complete) {
        result.fill(kInfinite);
        return result;
    }
    for (std::size_t k = 0; k < kResults; ++k)
        result[k] = std::sqrt(variance[k]);

    // Where the derivative does not exist, no number is honest.
    const double largest = std::max(
        {std::fabs(base.moments[0]), std::fabs(base.moments[1]), std::fabs(base.moments[2])});
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        if (inertia::IndistinctMoments(base.moments[i], base.moments[j], largest))
            for (int axis : {i, j})
                result[3 + axis] = result[6 + axis] = kInfinite;
    }
    // An axis along z has no azimuth.
    for (int i = 0; i < 3; ++i)
        if (std::hypot(base.axes[i][0], base.axes[i][1]) < kUndefinedAzimuth)
            result[6 + i] = kInfinite;
    if (base.bounded)
        result[13] = kInfinite;
    return result;
}

} // namespace orv
