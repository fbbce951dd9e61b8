// The rules of golf that limit a driver head: its moment of inertia about
// the vertical axis through the centre of gravity, with the head at a 60
// degree lie, and its volume. In the measuring frame that moment is Izc'
// computed with a lie angle of 60 degrees ("IzcAt60").
//
// Each verdict is taken with the coverage factor k = 2: conforming when the
// value plus twice its standard uncertainty is within the limit,
// nonconforming when the value less twice the uncertainty is beyond it,
// undecided otherwise. The rules are for woods; irons and putters are not
// subject to them.
#pragma once

#include "clubs/club_record.h"
#include "inertia/uncertainty.h"

#include <string>

namespace orv {

// kg-cm^2: 5900 g-cm^2 plus the 100 g-cm^2 test tolerance.
inline constexpr double kMomentLimitAt60 = 6.0;
// cc: 460 plus the 10 cc tolerance.
inline constexpr double kVolumeLimit = 470;

enum class Verdict { Conforming, Nonconforming, Undecided };

// "conforming", "nonconforming", "undecided".
[[nodiscard]] const char* VerdictName(Verdict verdict);

struct RuleCheck {
    double value = 0;       // in the limit's unit
    double uncertainty = 0; // standard uncertainty; 0 when none is known
    double limit = 0;
    Verdict verdict = Verdict::Undecided;
};

[[nodiscard]] Verdict Judge(double value, double uncertainty, double limit);

struct DriverRules {
    RuleCheck moment; // IzcAt60, kg-cm^2
    RuleCheck volume; // cc
    // g-cm^2 left below the moment limit (negative beyond it).
    [[nodiscard]] double MarginAt60() const { return (moment.limit - moment.value) * 1000; }
};

// The moment about the lie-angle axis with the head at a 60 degree lie, as
// Calculate computes Izc' (azimuth 180), in double precision.
[[nodiscard]] double IzcAt60(const ClubMeasurements& club);

// The moment rule in a sentence: "Driver rule (woods only): Izc' at a 60
// degree lie is 6.125 kg-cm^2, 125 g-cm^2 beyond the limit of 6 kg-cm^2:
// nonconforming." The uncertainty follows the value when there is one.
[[nodiscard]] std::string MomentRuleSentence(const DriverRules& rules);

// Both rules for one head; with no uncertainties given every u is 0. The
// lie angle's uncertainty counts as that of setting the head at 60 degrees.
[[nodiscard]] DriverRules CheckDriverRules(const ClubMeasurements& club,
                                           const InputUncertainties& inputs);

} // namespace orv
