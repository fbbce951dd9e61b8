#include "cli/check.h"

#include "cli/csv.h"
#include "cli/parallel.h"
#include "inertia/ellipsoid_of_inertia.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace orv::cli {
namespace {

// A non-negative number, with "%" allowed at the end when `percent` is given.
std::optional<double> ReadAmount(const std::string& text, bool* percent)
{
    std::string_view digits(text);
    if (percent != nullptr) {
        *percent = digits.ends_with('%');
        if (*percent)
            digits.remove_suffix(1);
    }
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()
        || !std::isfinite(value) || value < 0)
        return std::nullopt;
    return value;
}

std::string Number(double value)
{
    if (std::isinf(value))
        return "inf";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

struct ClubCheck {
    std::string findings;
    ResultUncertainties uncertainties{};
};

} // namespace

std::optional<CheckRequest> ReadCheckArguments(std::span<const std::string> arguments)
{
    CheckRequest request;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!word.starts_with("--")) {
            files.push_back(word);
            continue;
        }
        if (i + 1 == arguments.size())
            return std::nullopt;
        const std::string& amount = arguments[++i];
        InputUncertainties& u = request.uncertainties;
        std::optional<double> value;
        if (word == "--u-moment") {
            value = ReadAmount(amount, &u.readingInPercent);
            u.reading = value.value_or(0);
        } else {
            value = ReadAmount(amount, nullptr);
            double* target = word == "--u-mass"     ? &u.mass
                             : word == "--u-cm"     ? &u.centre
                             : word == "--u-volume" ? &u.volume
                             : word == "--u-lie"    ? &u.lieAngle
                                                    : nullptr;
            if (target == nullptr)
                return std::nullopt;
            *target = value.value_or(0);
        }
        if (!value)
            return std::nullopt;
        request.withUncertainties = true;
    }
    if (files.empty() || files.size() > 2)
        return std::nullopt;
    request.input = files[0];
    if (files.size() == 2)
        request.output = files[1];
    return request;
}

CheckReport CheckClubs(const ClubList& list, const CheckRequest& request)
{
    const int clubs = list.HighestIndex();
    std::vector<ClubCheck> checks(static_cast<std::size_t>(clubs));
    ForEachInParallel(checks.size(), [&](std::size_t i) {
        const ClubMeasurements club = AsCalculated(list.At(static_cast<int>(i) + 1).Measurements);
        for (const Finding& finding : ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Findings)
            checks[i].findings += (checks[i].findings.empty() ? "" : ";")
                                  + std::string(FindingName(finding.code));
        if (request.withUncertainties)
            checks[i].uncertainties = UncertaintiesOf(club, request.uncertainties);
    });

    CheckReport report;
    std::vector<std::string> row = {"Row", "ClubNo", "ClubName", "Findings"};
    if (request.withUncertainties)
        for (const ResultReal& field : kResultReals)
            row.push_back("u(" + std::string(field.name) + ")");
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
        if (request.withUncertainties)
            for (double u : check.uncertainties)
                row.push_back(Number(u));
        append(row);
        report.anyFindings = report.anyFindings || !check.findings.empty();
    }
    return report;
}

} // namespace orv::cli
