// Comma-separated values as RFC 4180 has them: fields holding a comma, a
// quote or a line break are quoted, quotes inside doubled, records end in
// CR LF (a bare LF is read too).
#pragma once

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

// Every record of the text; a UTF-8 byte order mark at the start is
// skipped. Throws CsvSyntaxError for a quote that is never closed or text
// after a closing quote.
[[nodiscard]] std::vector<CsvRecord> ParseCsv(std::string_view text);

} // namespace orv::cli
