// orv-calc check: the findings on every club's readings and, when asked,
// the standard uncertainty of each of its results, as CSV.
#pragma once

#include "clubs/club_list.h"
#include "inertia/driver_rules.h"
#include "inertia/uncertainty.h"

#include <optional>
#include <span>
#include <string>

namespace orv::cli {

struct CheckRequest {
    std::string input;
    std::string output; // empty: standard output
    bool withUncertainties = false;
    InputUncertainties uncertainties;
    bool withHints = false; // what probably went wrong in broken readings
    bool withRules = false; // the driver rules' verdicts
};

// The request of `check`'s arguments (after the word check), or nothing
// when they are not of its form; then `problem` says, where it can, which
// option or value is wrong ("--u-mass: "abc" is not a number").
struct CheckArguments {
    std::optional<CheckRequest> request;
    std::string problem;
};
[[nodiscard]] CheckArguments ReadCheckArguments(std::span<const std::string> arguments);

struct CheckReport {
    std::string csv;
    bool anyFindings = false;
};

// One row per club in list order: Row, ClubNo, ClubName, Findings (codes
// joined by ";"); then Hints (codes joined by ";") when asked for; then
// IzcAt60 (kg-cm^2), MarginAt60 (g-cm^2), MOIRule and VolumeRule (the
// verdicts' names) with the rules; then u(EigenX) .. u(EllipsoidVolume)
// when uncertainties are asked for, and u(IzcAt60) with both. Uncertainties
// have three significant digits; one that does not exist reads "inf".
[[nodiscard]] CheckReport CheckClubs(const ClubList& list, const CheckRequest& request);

} // namespace orv::cli
