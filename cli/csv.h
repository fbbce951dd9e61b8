// Comma-separated values as RFC 4180 has them: fields holding a comma, a
// quote or a line break are quoted, quotes inside doubled, records end in
// CR LF (a bare LF or a bare CR is read too).
#pragma once

#include "clubs/byte_source.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orv::cli {

// One field, quoted when it has to be.
[[nodiscard]] std::string CsvField(std::string_view text);

struct CsvRecord {
    int line = 0; // the line the record starts on, from 1
    std::vector<std::string> fields;
};

class CsvSyntaxError : public std::runtime_error {
public:
    CsvSyntaxError(int line, const std::string& what);
    [[nodiscard]] int line() const noexcept { return m_line; }

private:
    int m_line;
};

// Reads records one at a time from a stream, so memory holds one record.
// A UTF-8 byte order mark at the start is skipped. Throws CsvSyntaxError
// for a quote that is never closed, text after a closing quote, or a record
// longer than `maxRecordBytes`, and whatever the source throws.
class CsvReader {
public:
    explicit CsvReader(ByteSource& source, std::size_t maxRecordBytes);

    // The next record, or false at the end of the text.
    [[nodiscard]] bool Next(CsvRecord& record);

private:
    [[nodiscard]] int Peek();
    int Take();
    void CountLine(int c);

    ByteSource& m_source;
    std::size_t m_maxRecordBytes;
    std::array<std::byte, 64 * 1024> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_started = false;
    int m_line = 1;
    std::size_t m_recordBytes = 0;
};

// Every record of the text.
[[nodiscard]] std::vector<CsvRecord> ParseCsv(std::string_view text);

} // namespace orv::cli
