#include "clubs/club_file.h"

#include "clubs/code_page.h"
#include "clubs/input_file.h"
#include "clubs/whole_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace orv {
namespace {

constexpr std::size_t kEmptyRecordSize = 118;
constexpr std::size_t kMaxTextBytes = 0xFFFF;
constexpr std::size_t kMaxRecords = kMaxClubs + 1;
constexpr std::uintmax_t kMaxFileSize = kMaxRecords * (kEmptyRecordSize + 5 * kMaxTextBytes);

// Pulls a file's bytes through a fixed buffer: a record is decoded as its
// bytes arrive, so memory holds the decoded clubs and one buffer only.
class RecordReader {
public:
    explicit RecordReader(ByteSource& source)
        : m_source(source)
    {
    }

    // Whether the bytes ended exactly between two records.
    [[nodiscard]] bool AtEnd()
    {
        Fill();
        return m_begin == m_end;
    }

    float Real()
    {
        const std::uint32_t bits = Little(4);
        return std::bit_cast<float>(bits);
    }

    std::string Text()
    {
        std::size_t length = Little(2);
        std::string bytes;
        bytes.reserve(length);
        while (length > 0) {
            Need(1);
            const std::size_t piece = std::min(length, m_end - m_begin);
            bytes.append(reinterpret_cast<const char*>(m_buffer.data() + m_begin), piece);
            m_begin += piece;
            length -= piece;
        }
        return Windows1252ToUtf8(bytes);
    }

private:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    // Refills an empty buffer; at the end of the bytes it stays empty.
    void Fill()
    {
        if (m_begin < m_end)
            return;
        m_begin = 0;
        m_end = m_source.Read(m_buffer);
    }

    void Need(std::size_t count)
    {
        if (m_end - m_begin >= count)
            return;
        // Keep the few bytes left and read after them.
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
        while (m_end < count) {
            const std::size_t got = m_source.Read(std::span(m_buffer).subspan(m_end));
            if (got == 0)
                throw ClubFileError(ClubFileError::Kind::NotClubData,
                                    "The file ends inside a club record.");
            m_end += got;
        }
    }

    std::uint32_t Little(int count)
    {
        Need(static_cast<std::size_t>(count));
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= std::to_integer<std::uint32_t>(m_buffer[m_begin + i]) << (8 * i);
        m_begin += static_cast<std::size_t>(count);
        return value;
    }

    ByteSource& m_source;
    std::array<std::byte, kBufferSize> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};

ClubRecord ReadRecord(RecordReader& in)
{
    ClubRecord record;
    ClubMeasurements& m = record.Measurements;
    m.ClubNo = in.Text();
    m.ClubName = in.Text();
    for (const MeasuredReal& field : kMeasuredRealsInFileOrder)
        m.*field.member = in.Real();
    m.PictureName = in.Text();
    m.Reserved1 = in.Text();
    m.Reserved2 = in.Text();
    ClubResults& r = record.Results;
    for (const ResultReal& field : kResultReals)
        r.*field.member = in.Real();
    return record;
}

void AppendLittle(std::string& out, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void AppendReal(std::string& out, float value)
{
    AppendLittle(out, std::bit_cast<std::uint32_t>(value), 4);
}

std::string SlotName(std::size_t slot)
{
    return slot == 0 ? std::string("the spare record (slot 0)") : "row " + std::to_string(slot);
}

void AppendText(std::string& out, std::string_view text, std::size_t slot, const char* field)
{
    // The count goes in front once the converted length is known.
    const std::size_t countAt = out.size();
    out.append(2, '\0');
    if (!AppendAsWindows1252(out, text) || out.size() - countAt - 2 > kMaxTextBytes) {
        throw ClubFileError(ClubFileError::Kind::TextNotStorable,
                            "Cannot save: " + SlotName(slot) + ", " + field + ", "
                                + *WhyTextCannotBeStored(text) + ".");
    }
    const std::size_t length = out.size() - countAt - 2;
    out[countAt] = static_cast<char>(length & 0xFF);
    out[countAt + 1] = static_cast<char>(length >> 8);
}

void AppendRecord(std::string& out, const ClubRecord& record, std::size_t slot)
{
    const ClubMeasurements& m = record.Measurements;
    AppendText(out, m.ClubNo, slot, "Head No.");
    AppendText(out, m.ClubName, slot, "Head Name");
    for (const MeasuredReal& field : kMeasuredRealsInFileOrder)
        AppendReal(out, m.*field.member);
    AppendText(out, m.PictureName, slot, "picture path");
    AppendText(out, m.Reserved1, slot, "Reserved1");
    AppendText(out, m.Reserved2, slot, "Reserved2");
    const ClubResults& r = record.Results;
    for (const ResultReal& field : kResultReals)
        AppendReal(out, r.*field.member);
}

} // namespace

ClubFileError::ClubFileError(Kind kind, const std::string& description)
    : std::runtime_error(description)
    , m_kind(kind)
{
}

std::optional<std::string> WhyTextCannotBeStored(std::string_view text)
{
    const std::optional<std::string> bytes = Utf8ToWindows1252(text);
    if (!bytes)
        return "holds characters that a club data file cannot store";
    if (bytes->size() > kMaxTextBytes)
        return "is longer than 65535 characters";
    return std::nullopt;
}

bool IsClubDataFileName(std::string_view path)
{
    if (path.size() < 3)
        return false;
    const std::string_view ending = path.substr(path.size() - 3);
    std::string lower;
    for (char c : ending)
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower == "orv";
}

void EncodeClubData(std::span<const ClubRecord> slots,
                    const std::function<void(std::string_view)>& write)
{
    std::string record;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        record.clear();
        AppendRecord(record, slots[slot], slot);
        write(record);
    }
}

std::string EncodeClubData(std::span<const ClubRecord> slots)
{
    std::string out;
    std::size_t estimate = 0;
    for (const ClubRecord& record : slots) {
        const ClubMeasurements& m = record.Measurements;
        estimate += kEmptyRecordSize + m.ClubNo.size() + m.ClubName.size() + m.PictureName.size()
                    + m.Reserved1.size() + m.Reserved2.size();
    }
    out.reserve(estimate);
    EncodeClubData(slots, [&out](std::string_view bytes) { out += bytes; });
    return out;
}

std::vector<ClubRecord> DecodeClubData(ByteSource& source)
{
    RecordReader in(source);
    std::vector<ClubRecord> records;
    while (!in.AtEnd()) {
        if (records.size() == kMaxRecords) {
            throw ClubFileError(ClubFileError::Kind::NotClubData, "The file holds more than "
                                                                      + std::to_string(kMaxClubs)
                                                                      + " clubs.");
        }
        records.push_back(ReadRecord(in));
    }
    if (records.empty())
        throw ClubFileError(ClubFileError::Kind::NotClubData, "The file holds no club record.");
    return records;
}

std::vector<ClubRecord> DecodeClubData(std::span<const std::byte> bytes)
{
    SpanSource source(bytes);
    return DecodeClubData(source);
}

std::vector<ClubRecord> ReadDataFile(const std::filesystem::path& path)
{
    try {
        InputFile file(path);
        if (file.Size() > kMaxFileSize)
            throw ClubFileError(ClubFileError::Kind::NotClubData,
                                "The file is larger than any club data file.");
        return DecodeClubData(file);
    } catch (const InputFileError& error) {
        throw ClubFileError(error.kind() == InputFileError::Kind::CannotRead
                                ? ClubFileError::Kind::CannotRead
                                : ClubFileError::Kind::CannotOpen,
                            error.what());
    }
}

void SaveDataFile(const std::filesystem::path& path, std::span<const ClubRecord> slots)
{
    try {
        WholeFileWriter file(path);
        EncodeClubData(slots, [&file](std::string_view bytes) { file.Write(bytes); });
        file.Commit();
    } catch (const std::system_error& error) {
        throw ClubFileError(ClubFileError::Kind::CannotWrite, error.what());
    }
}

void SaveDataFile(const std::filesystem::path& path, const ClubList& list)
{
    SaveDataFile(path, list.Slots());
}

} // namespace orv
