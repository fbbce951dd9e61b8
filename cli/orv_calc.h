// orv-calc: the club data from the command line, for people who measure
// heads by the dozen and keep their numbers in spreadsheets.
//   export FILE.orv [OUT.csv]   recompute IN.orv OUT.orv   import IN.csv OUT.orv
//   check IN.orv [OUT.csv] [--u-... uncertainties]
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace orv::cli {

// The process exit status of each outcome.
enum class ExitStatus { Success = 0, BadData = 1, WrongUsage = 2, Findings = 3 };

// Runs one command; `arguments` excludes the program name.
[[nodiscard]] ExitStatus RunOrvCalc(std::span<const std::string> arguments, std::ostream& out,
                                    std::ostream& err);

} // namespace orv::cli
