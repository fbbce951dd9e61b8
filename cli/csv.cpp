#include "cli/csv.h"

namespace orv::cli {

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

CsvSyntaxError::CsvSyntaxError(int line, const std::string& what)
    : std::runtime_error(what)
    , m_line(line)
{
}

std::vector<CsvRecord> ParseCsv(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    std::vector<CsvRecord> records;
    std::size_t pos = 0;
    int line = 1;
    while (pos < text.size()) {
        CsvRecord record{line, {}};
        bool endOfRecord = false;
        while (!endOfRecord) {
            std::string field;
            if (pos < text.size() && text[pos] == '"') {
                const int quoteLine = line;
                ++pos;
                for (;;) {
                    if (pos >= text.size())
                        throw CsvSyntaxError(quoteLine, "a quoted field is never closed");
                    const char c = text[pos++];
                    if (c == '"') {
                        if (pos < text.size() && text[pos] == '"') {
                            field += '"';
                            ++pos;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n')
                        ++line;
                    field += c;
                }
                if (pos < text.size() && text[pos] != ',' && text[pos] != '\r' && text[pos] != '\n')
                    throw CsvSyntaxError(line, "text follows a closing quote");
            } else {
                while (pos < text.size() && text[pos] != ',' && text[pos] != '\r'
                       && text[pos] != '\n')
                    field += text[pos++];
            }
            record.fields.push_back(std::move(field));
            if (pos < text.size() && text[pos] == ',') {
                ++pos;
                continue;
            }
            if (pos < text.size() && text[pos] == '\r')
                ++pos;
            if (pos < text.size() && text[pos] == '\n')
                ++pos;
            ++line;
            endOfRecord = true;
        }
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace orv::cli
