#include "cli/club_csv.h"

#include "cli/csv.h"
#include "clubs/club_file.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "numeric/arithmetic_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <thread>

namespace orv::cli {
namespace {

std::string ShortestText(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void AppendRow(std::string& out, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += CsvField(fields[i]);
    }
    out += "\r\n";
}

[[noreturn]] void Fail(int line, std::string_view column, const std::string& problem)
{
    throw ImportError("line " + std::to_string(line) + ", column " + std::string(column) + ": "
                      + problem);
}

float ReadNumber(const std::string& field, int line, std::string_view column)
{
    std::string_view text(field);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = result.ptr == text.data() + text.size() && !text.empty();
    if (result.ec == std::errc::result_out_of_range && whole)
        Fail(line, column, "\"" + field + "\" is beyond the single-precision range");
    if (result.ec != std::errc{} || !whole || std::isnan(value))
        Fail(line, column, "\"" + field + "\" is not a number");
    try {
        return ToSingle(value);
    } catch (const ArithmeticError&) {
        Fail(line, column, "\"" + field + "\" is beyond the single-precision range");
    }
}

std::string ReadText(const std::string& field, int line, std::string_view column)
{
    if (const std::optional<std::string> problem = WhyTextCannotBeStored(field))
        Fail(line, column, "the text " + *problem);
    return field;
}

} // namespace

std::string ExportClubsCsv(const ClubList& list)
{
    std::vector<std::string> header = {"ClubNo", "ClubName"};
    for (const MeasuredReal& field : kEnteredReals)
        header.emplace_back(field.name);
    header.emplace_back("Azimuth");
    header.emplace_back("PictureName");
    for (const ResultReal& field : kResultReals)
        header.emplace_back(field.name);

    std::string out;
    AppendRow(out, header);
    for (int k = 1; k <= list.HighestIndex(); ++k) {
        const ClubRecord& club = list.At(k);
        const ClubMeasurements& m = club.Measurements;
        std::vector<std::string> row = {m.ClubNo, m.ClubName};
        for (const MeasuredReal& field : kEnteredReals)
            row.push_back(ShortestText(m.*field.member));
        row.push_back(ShortestText(m.Azimuth));
        row.push_back(m.PictureName);
        for (const ResultReal& field : kResultReals)
            row.push_back(ShortestText(club.Results.*field.member));
        AppendRow(out, row);
    }
    return out;
}

std::vector<ClubMeasurements> ImportClubsCsv(std::string_view csv)
{
    std::vector<CsvRecord> records;
    try {
        records = ParseCsv(csv);
    } catch (const CsvSyntaxError& error) {
        throw ImportError("line " + std::to_string(error.line()) + ": " + error.what());
    }
    if (records.empty())
        throw ImportError("line 1: the header row is missing");

    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < records.front().fields.size(); ++i)
        columns.emplace(records.front().fields[i], i);
    const auto column = [&](const char* name) -> std::optional<std::size_t> {
        const auto found = columns.find(name);
        return found == columns.end() ? std::nullopt : std::optional(found->second);
    };
    std::vector<std::pair<const char*, std::size_t>> needed;
    for (const char* name : {"ClubNo", "ClubName"})
        needed.emplace_back(name, 0);
    for (const MeasuredReal& field : kEnteredReals)
        needed.emplace_back(field.name, 0);
    for (auto& [name, index] : needed) {
        const std::optional<std::size_t> found = column(name);
        if (!found)
            throw ImportError("line 1, column " + std::string(name) + ": the column is missing");
        index = *found;
    }
    const std::optional<std::size_t> pictureColumn = column("PictureName");

    std::vector<ClubMeasurements> clubs;
    clubs.reserve(records.size() - 1);
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        // A row with nothing in it, as spreadsheets leave at the end, is no club.
        if (std::all_of(record.fields.begin(), record.fields.end(),
                        [](const std::string& f) { return f.empty(); }))
            continue;
        const auto field = [&](const char* name, std::size_t index) -> const std::string& {
            if (index >= record.fields.size())
                Fail(record.line, name, "the row ends before this column");
            return record.fields[index];
        };
        ClubMeasurements club;
        club.ClubNo = ReadText(field("ClubNo", needed[0].second), record.line, "ClubNo");
        club.ClubName = ReadText(field("ClubName", needed[1].second), record.line, "ClubName");
        for (std::size_t i = 0; i < kEnteredReals.size(); ++i) {
            const auto& [name, member] = kEnteredReals[i];
            club.*member = ReadNumber(field(name, needed[i + 2].second), record.line, name);
        }
        if (pictureColumn && *pictureColumn < record.fields.size())
            club.PictureName = ReadText(record.fields[*pictureColumn], record.line, "PictureName");
        club.Azimuth = 180;
        if (clubs.size() == static_cast<std::size_t>(kMaxClubs))
            throw ImportError("line " + std::to_string(record.line) + ": more than "
                              + std::to_string(kMaxClubs) + " clubs");
        clubs.push_back(std::move(club));
    }
    return clubs;
}

ClubResults ResultsAsCalculated(const ClubMeasurements& club)
{
    ClubMeasurements asEdited = club;
    asEdited.Azimuth = 180;
    return ComputeEllipsoidOfInertia(asEdited, ReportTexts::Skip).Results;
}

} // namespace orv::cli

namespace orv::cli {

std::vector<ClubResults> ResultsAsCalculated(const std::vector<ClubMeasurements>& clubs)
{
    std::vector<ClubResults> results(clubs.size());
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 16);
    const std::size_t share = (clubs.size() + workers - 1) / workers;
    {
        std::vector<std::jthread> threads;
        for (std::size_t first = 0; first < clubs.size(); first += share) {
            const std::size_t last = std::min(clubs.size(), first + share);
            threads.emplace_back([&clubs, &results, first, last] {
                for (std::size_t i = first; i < last; ++i)
                    results[i] = ResultsAsCalculated(clubs[i]);
            });
        }
    }
    return results;
}

} // namespace orv::cli
