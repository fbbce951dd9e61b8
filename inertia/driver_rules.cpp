#include "inertia/driver_rules.h"

#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/internal/computation_state.h"
#include "numeric/number_text.h"

#include <cmath>

namespace orv {
namespace {

constexpr double kCoverage = 2;
constexpr float kRuleLieAngle = 60;

// Izc' of the measurements as they stand (their lie angle, azimuth 180):
// only the stages it needs.
double LieAxisMoment(const ClubMeasurements& club)
{
    inertia::ComputationState state(club);
    inertia::ComputeInertiaTensor(state);
    inertia::ComputeLieAxisMoment(state);
    return state.IzcPrime;
}

ClubMeasurements AtRuleLie(const ClubMeasurements& club)
{
    ClubMeasurements atRule = AsCalculated(club);
    atRule.LieAngle = kRuleLieAngle;
    return atRule;
}

} // namespace

const char* VerdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Conforming:
        return "conforming";
    case Verdict::Nonconforming:
        return "nonconforming";
    case Verdict::Undecided:
        return "undecided";
    }
    return "";
}

Verdict Judge(double value, double uncertainty, double limit)
{
    if (!std::isfinite(value) || !(uncertainty >= 0))
        return Verdict::Undecided;
    if (value + kCoverage * uncertainty <= limit)
        return Verdict::Conforming;
    if (value - kCoverage * uncertainty > limit)
        return Verdict::Nonconforming;
    return Verdict::Undecided;
}

double IzcAt60(const ClubMeasurements& club) { return LieAxisMoment(AtRuleLie(club)); }

std::string MomentRuleSentence(const DriverRules& rules)
{
    const RuleCheck& m = rules.moment;
    if (!std::isfinite(m.value))
        return "Driver rule (woods only): Izc' at a 60 degree lie cannot be computed: undecided.";
    std::string value = FormatGeneral(m.value, 4);
    if (m.uncertainty > 0)
        value += " +- " + FormatGeneral(m.uncertainty, 2);
    const double margin = rules.MarginAt60();
    const std::string where = std::to_string(std::lround(std::fabs(margin))) + " g-cm^2 "
                              + (margin >= 0 ? "below" : "beyond");
    return "Driver rule (woods only): Izc' at a 60 degree lie is " + value + " kg-cm^2, " + where
           + " the limit of " + FormatGeneral(m.limit, 3) + " kg-cm^2: " + VerdictName(m.verdict)
           + ".";
}

DriverRules CheckDriverRules(const ClubMeasurements& club, const InputUncertainties& inputs)
{
    DriverRules rules;
    const ClubMeasurements atRule = AtRuleLie(club);
    rules.moment.limit = kMomentLimitAt60;
    rules.moment.value = LieAxisMoment(atRule);
    rules.moment.uncertainty = UncertaintyOf(atRule, inputs, LieAxisMoment);
    rules.moment.verdict = Judge(rules.moment.value, rules.moment.uncertainty, rules.moment.limit);
    rules.volume.limit = kVolumeLimit;
    rules.volume.value = club.Volume;
    rules.volume.uncertainty = inputs.volume;
    rules.volume.verdict = Judge(rules.volume.value, rules.volume.uncertainty, rules.volume.limit);
    return rules;
}

} // namespace orv
