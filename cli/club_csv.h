// The clubs of a document as CSV and back: one club a row, the columns
// named by the record's own field names. Numbers are written as the
// shortest text that reads back to the same single-precision value.
#pragma once

#include "clubs/byte_source.h"
#include "clubs/club_list.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orv::cli {

// A problem with one field of an imported CSV.
class ImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Slots 1..N of the list with a header row.
[[nodiscard]] std::string ExportClubsCsv(const ClubList& list);

// The clubs (slots 1..N) of a CSV of measurements. Columns are found by
// their header names in any order; ClubNo, ClubName and Mass to LieAngle
// are needed, PictureName is optional, others are ignored. Results are not
// read. Throws ImportError naming the line and the column, and whatever
// the source throws. A number that is not zero but too close to zero for
// single precision is refused like one too large. The text is read as a
// stream: memory holds the clubs and one row.
[[nodiscard]] std::vector<ClubMeasurements> ImportClubsCsv(ByteSource& csv);
[[nodiscard]] std::vector<ClubMeasurements> ImportClubsCsv(std::string_view csv);

// The results as the editor's Calculate gives them: the computation with
// the azimuth at 180.
[[nodiscard]] ClubResults ResultsAsCalculated(const ClubMeasurements& club);

// ResultsAsCalculated of every club's measurements, spread over the
// machine's cores; on the calling thread alone where no thread can start.
[[nodiscard]] std::vector<ClubResults> ResultsAsCalculated(std::span<const ClubRecord> clubs);

} // namespace orv::cli
