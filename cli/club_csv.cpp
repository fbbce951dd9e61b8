#include "cli/club_csv.h"

#include "numeric/number_text.h"

#include "cli/csv.h"
#include "cli/parallel.h"
#include "clubs/club_file.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "numeric/arithmetic_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

namespace orv::cli {
namespace {

// A row of a club document as CSV: three texts of up to 65535 characters,
// at most three bytes each in UTF-8, and some thirty numbers, with room to
// spare for columns a spreadsheet adds.
constexpr std::size_t kMaxRowBytes = 1024 * 1024;

constexpr const char* kTooSmall = " is too close to 0 for single precision, which would store 0";

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
    // One sign at most: "+-200" is no number.
    if (text.starts_with('+') && !text.substr(1).starts_with('-'))
        text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = result.ptr == text.data() + text.size() && !text.empty();
    const std::string quoted = "\"" + field + "\"";
    if (result.ec == std::errc::result_out_of_range && whole) {
        // Out of the double range on either side: too large or too small.
        const double magnitude = std::fabs(std::strtod(std::string(text).c_str(), nullptr));
        Fail(line, column,
             quoted + (magnitude < 1 ? kTooSmall : " is beyond the single-precision range"));
    }
    if (result.ec != std::errc{} || !whole || std::isnan(value))
        Fail(line, column, quoted + " is not a number");
    float single = 0;
    try {
        single = ToSingle(value);
    } catch (const ArithmeticError&) {
        Fail(line, column, quoted + " is beyond the single-precision range");
    }
    // A reading that is not zero must not be stored as zero.
    if (single == 0 && value != 0)
        Fail(line, column, quoted + kTooSmall);
    return single;
}

std::string ReadText(const std::string& field, int line, std::string_view column)
{
    if (const std::optional<std::string> problem = WhyTextCannotBeStored(field))
        Fail(line, column, "the text " + *problem);
    return field;
}

// Where each needed column stands in the header row.
struct Columns {
    std::size_t clubNo = 0;
    std::size_t clubName = 0;
    std::array<std::size_t, kEnteredReals.size()> reals{};
    std::optional<std::size_t> pictureName;
};

Columns FindColumns(const CsvRecord& header)
{
    std::map<std::string, std::size_t> named;
    for (std::size_t i = 0; i < header.fields.size(); ++i)
        named.emplace(header.fields[i], i);
    const auto find = [&named](const char* name) -> std::optional<std::size_t> {
        const auto found = named.find(name);
        return found == named.end() ? std::nullopt : std::optional(found->second);
    };
    const auto need = [&find](const char* name) {
        const std::optional<std::size_t> found = find(name);
        if (!found)
            throw ImportError("line 1, column " + std::string(name) + ": the column is missing");
        return *found;
    };
    Columns columns;
    columns.clubNo = need("ClubNo");
    columns.clubName = need("ClubName");
    for (std::size_t i = 0; i < kEnteredReals.size(); ++i)
        columns.reals[i] = need(kEnteredReals[i].name);
    columns.pictureName = find("PictureName");
    return columns;
}

ClubMeasurements ReadClub(const CsvRecord& record, const Columns& columns)
{
    const auto field = [&record](const char* name, std::size_t index) -> const std::string& {
        if (index >= record.fields.size())
            Fail(record.line, name, "the row ends before this column");
        return record.fields[index];
    };
    ClubMeasurements club;
    club.ClubNo = ReadText(field("ClubNo", columns.clubNo), record.line, "ClubNo");
    club.ClubName = ReadText(field("ClubName", columns.clubName), record.line, "ClubName");
    for (std::size_t i = 0; i < kEnteredReals.size(); ++i) {
        const auto& [name, member] = kEnteredReals[i];
        club.*member = ReadNumber(field(name, columns.reals[i]), record.line, name);
    }
    if (columns.pictureName && *columns.pictureName < record.fields.size())
        club.PictureName = ReadText(record.fields[*columns.pictureName], record.line,
                                    "PictureName");
    club.Azimuth = 180;
    return club;
}

// The clubs of the rows after the header, read one row at a time; input
// that cannot be a club CSV stops the reading at once.
std::vector<ClubMeasurements> ReadClubRows(ByteSource& csv)
{
    CsvReader reader(csv, kMaxRowBytes);
    CsvRecord record;
    if (!reader.Next(record))
        throw ImportError("line 1: the header row is missing");
    const Columns columns = FindColumns(record);
    std::vector<ClubMeasurements> clubs;
    while (reader.Next(record)) {
        // A row with nothing in it, as spreadsheets leave at the end, is no club.
        if (std::all_of(record.fields.begin(), record.fields.end(),
                        [](const std::string& f) { return f.empty(); }))
            continue;
        if (clubs.size() == static_cast<std::size_t>(kMaxClubs))
            throw ImportError("line " + std::to_string(record.line) + ": more than "
                              + std::to_string(kMaxClubs) + " clubs");
        clubs.push_back(ReadClub(record, columns));
    }
    return clubs;
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

std::vector<ClubMeasurements> ImportClubsCsv(ByteSource& csv)
{
    try {
        return ReadClubRows(csv);
    } catch (const CsvSyntaxError& error) {
        throw ImportError("line " + std::to_string(error.line()) + ": " + error.what());
    }
}

std::vector<ClubMeasurements> ImportClubsCsv(std::string_view csv)
{
    SpanSource source(std::as_bytes(std::span(csv.data(), csv.size())));
    return ImportClubsCsv(source);
}

ClubResults ResultsAsCalculated(const ClubMeasurements& club)
{
    return ComputeEllipsoidOfInertia(AsCalculated(club), ReportTexts::Skip).Results;
}

} // namespace orv::cli

namespace orv::cli {

std::vector<ClubResults> ResultsAsCalculated(std::span<const ClubRecord> clubs)
{
    std::vector<ClubResults> results(clubs.size());
    ForEachInParallel(clubs.size(), [clubs, &results](std::size_t i) {
        results[i] = ResultsAsCalculated(clubs[i].Measurements);
    });
    return results;
}

} // namespace orv::cli
