#include "cli/check.h"

#include "cli/csv.h"
#include "cli/parallel.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/repair_hints.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <variant>
#include <vector>

namespace orv::cli {
namespace {

// The largest uncertainty taken: beyond the largest reading a club data file
// holds, an uncertainty describes nothing and its square could overflow,
// which would read as "no derivative".
constexpr double kLargestAmount = FLT_MAX;

// A non-negative number ("+0.1" and ".1" as well), with "%" at the end when
// `percent` is given; otherwise what is wrong with it.
std::variant<double, std::string> ReadAmount(const std::string& option, const std::string& text,
                                             bool* percent)
{
    const std::string quoted = option + ": \"" + text + "\" ";
    std::string_view digits(text);
    if (percent != nullptr) {
        *percent = digits.ends_with('%');
        if (*percent)
            digits.remove_suffix(1);
    }
    if (percent == nullptr && digits.ends_with('%'))
        return quoted + "is a percentage, which only --u-moment takes";
    const bool plus = digits.starts_with('+');
    if (plus)
        digits.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    const bool spelledOut = digits.find_first_of("iInN") != std::string_view::npos; // inf, nan
    if (digits.empty() || result.ptr != digits.data() + digits.size()
        || (result.ec != std::errc{} && result.ec != std::errc::result_out_of_range) || spelledOut
        || (plus && (digits[0] == '-' || digits[0] == '+')))
        return quoted + "is not a number";
    if (value < 0)
        return quoted + "is below 0";
    // Out of range below the smallest double: as good as 0.
    const bool tiny = digits.find("e-") != std::string_view::npos
                      || digits.find("E-") != std::string_view::npos;
    if (result.ec == std::errc::result_out_of_range && tiny)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range || !(value <= kLargestAmount))
        return quoted + "is too large: an uncertainty is at most 3.4E+38";
    return value;
}

// An uncertainty with three significant digits ("0.000177", "1.23"), or
// "inf" where it has no derivative.
std::string Uncertainty(double value)
{
    if (std::isinf(value))
        return "inf";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3g", value);
    return buffer;
}

std::string Fixed(double value, const char* format)
{
    if (!std::isfinite(value))
        return "";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

struct ClubCheck {
    std::string findings;
    std::string hints;
    DriverRules rules;
    ResultUncertainties uncertainties{};
};

} // namespace

CheckArguments ReadCheckArguments(std::span<const std::string> arguments)
{
    CheckRequest request;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!word.starts_with("--")) {
            files.push_back(word);
            continue;
        }
        if (word == "--hints" || word == "--rules") {
            (word == "--hints" ? request.withHints : request.withRules) = true;
            continue;
        }
        InputUncertainties& u = request.uncertainties;
        double* target = word == "--u-mass"     ? &u.mass
                         : word == "--u-cm"     ? &u.centre
                         : word == "--u-moment" ? &u.reading
                         : word == "--u-volume" ? &u.volume
                         : word == "--u-lie"    ? &u.lieAngle
                                                : nullptr;
        if (target == nullptr)
            return {std::nullopt, word + ": there is no such option"};
        if (i + 1 == arguments.size())
            return {std::nullopt, word + ": its value is missing"};
        const auto value = ReadAmount(word, arguments[++i],
                                      target == &u.reading ? &u.readingInPercent : nullptr);
        if (const auto* problem = std::get_if<std::string>(&value))
            return {std::nullopt, *problem};
        *target = std::get<double>(value);
        request.withUncertainties = true;
    }
    if (files.empty() || files.size() > 2)
        return {};
    request.input = files[0];
    if (files.size() == 2)
        request.output = files[1];
    return {request, {}};
}

CheckReport CheckClubs(const ClubList& list, const CheckRequest& request)
{
    const int clubs = list.HighestIndex();
    std::vector<ClubCheck> checks(static_cast<std::size_t>(clubs));
    ForEachInParallel(checks.size(), [&](std::size_t i) {
        ClubCheck& check = checks[i];
        const ClubMeasurements club = AsCalculated(list.At(static_cast<int>(i) + 1).Measurements);
        for (const Finding& finding : ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Findings)
            check.findings += (check.findings.empty() ? "" : ";")
                              + std::string(FindingName(finding.code));
        if (request.withHints)
            for (const RepairHint& hint : RepairHintsOf(club))
                check.hints += (check.hints.empty() ? "" : ";") + hint.code;
        if (request.withRules)
            check.rules = CheckDriverRules(club, request.uncertainties);
        if (request.withUncertainties)
            check.uncertainties = UncertaintiesOf(club, request.uncertainties);
    });

    CheckReport report;
    std::vector<std::string> row = {"Row", "ClubNo", "ClubName", "Findings"};
    if (request.withHints)
        row.emplace_back("Hints");
    if (request.withRules)
        row.insert(row.end(), {"IzcAt60", "MarginAt60", "MOIRule", "VolumeRule"});
    if (request.withUncertainties)
        for (const ResultReal& field : kResultReals)
            row.push_back("u(" + std::string(field.name) + ")");
    const bool momentUncertainty = request.withRules && request.withUncertainties;
    if (momentUncertainty)
        row.emplace_back("u(IzcAt60)");
    const auto append = [&report](const std::vector<std::string>& fields) {
        for (std::size_t f = 0; f < fields.size(); ++f)
            report.csv += (f > 0 ? "," : "") + CsvField(fields[f]);
        report.csv += "\r\n";
    };
    append(row);
    for (int k = 1; k <= clubs; ++k) {
        const ClubCheck& check = checks[static_cast<std::size_t>(k) - 1];
        const ClubMeasurements& club = list.At(k).Measurements;
        row = {std::to_string(k), club.ClubNo, club.ClubName, check.findings};
        if (request.withHints)
            row.push_back(check.hints);
        if (request.withRules)
            row.insert(row.end(), {Fixed(check.rules.moment.value, "%.6g"),
                                   Fixed(check.rules.MarginAt60(), "%.1f"),
                                   VerdictName(check.rules.moment.verdict),
                                   VerdictName(check.rules.volume.verdict)});
        if (request.withUncertainties)
            for (double u : check.uncertainties)
                row.push_back(Uncertainty(u));
        if (momentUncertainty)
            row.push_back(Uncertainty(check.rules.moment.uncertainty));
        append(row);
        report.anyFindings = report.anyFindings || !check.findings.empty();
    }
    return report;
}

} // namespace orv::cli
