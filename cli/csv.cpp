#include "cli/csv.h"

namespace orv::cli {
namespace {

constexpr int kEnd = -1;

} // namespace

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

CsvReader::CsvReader(ByteSource& source, std::size_t maxRecordBytes)
    : m_source(source)
    , m_maxRecordBytes(maxRecordBytes)
{
}

int CsvReader::Peek()
{
    if (m_begin == m_end) {
        m_begin = 0;
        m_end = m_source.Read(m_buffer);
        if (m_end == 0)
            return kEnd;
    }
    return std::to_integer<unsigned char>(m_buffer[m_begin]);
}

int CsvReader::Take()
{
    const int c = Peek();
    if (c == kEnd)
        return c;
    ++m_begin;
    if (++m_recordBytes > m_maxRecordBytes)
        throw CsvSyntaxError(m_line, "the row is longer than any row of a club document");
    CountLine(c);
    return c;
}

// A line ends at LF, at CR LF, and at a CR on its own.
void CsvReader::CountLine(int c)
{
    if (c == '\n' || (c == '\r' && Peek() != '\n'))
        ++m_line;
}

bool CsvReader::Next(CsvRecord& record)
{
    if (!m_started) {
        m_started = true;
        // The byte order mark spreadsheets put in front of UTF-8.
        for (const char mark : std::string_view("\xEF\xBB\xBF")) {
            if (Peek() != static_cast<unsigned char>(mark))
                break;
            ++m_begin;
        }
    }
    if (Peek() == kEnd)
        return false;
    m_recordBytes = 0;
    record.line = m_line;
    record.fields.clear();
    for (;;) {
        std::string field;
        if (Peek() == '"') {
            const int quoteLine = m_line;
            Take();
            for (;;) {
                const int c = Take();
                if (c == kEnd)
                    throw CsvSyntaxError(quoteLine, "a quoted field is never closed");
                if (c == '"') {
                    if (Peek() != '"')
                        break;
                    Take();
                }
                field += static_cast<char>(c);
            }
            const int next = Peek();
            if (next != kEnd && next != ',' && next != '\r' && next != '\n')
                throw CsvSyntaxError(m_line, "text follows a closing quote");
        } else {
            for (int c = Peek(); c != kEnd && c != ',' && c != '\r' && c != '\n'; c = Peek())
                field += static_cast<char>(Take());
        }
        record.fields.push_back(std::move(field));
        const int end = Take();
        if (end == ',')
            continue;
        if (end == '\r' && Peek() == '\n')
            Take();
        return true;
    }
}

std::vector<CsvRecord> ParseCsv(std::string_view text)
{
    SpanSource source(std::as_bytes(std::span(text.data(), text.size())));
    CsvReader reader(source, text.size() + 1);
    std::vector<CsvRecord> records;
    CsvRecord record;
    while (reader.Next(record))
        records.push_back(std::move(record));
    return records;
}

} // namespace orv::cli
