#include "clubs/club_file.h"

#include "clubs/code_page.h"
#include "clubs/whole_file.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orv {
namespace {

constexpr std::size_t kEmptyRecordSize = 118;
constexpr std::size_t kMaxTextBytes = 0xFFFF;
constexpr std::size_t kMaxRecords = kMaxClubs + 1;
constexpr std::uintmax_t kMaxFileSize = kMaxRecords * (kEmptyRecordSize + 5 * kMaxTextBytes);

class RecordReader {
public:
    explicit RecordReader(std::span<const std::byte> bytes)
        : m_bytes(bytes)
    {
    }

    [[nodiscard]] bool AtEnd() const { return m_pos == m_bytes.size(); }

    float Real()
    {
        const std::uint32_t bits = Little(4);
        return std::bit_cast<float>(bits);
    }

    std::string Text()
    {
        const std::size_t length = Little(2);
        Need(length);
        const auto* first = reinterpret_cast<const char*>(m_bytes.data() + m_pos);
        m_pos += length;
        return Windows1252ToUtf8(std::string_view(first, length));
    }

private:
    void Need(std::size_t count) const
    {
        if (m_bytes.size() - m_pos < count)
            throw ClubFileError(ClubFileError::Kind::NotClubData,
                                "The file ends inside a club record.");
    }

    std::uint32_t Little(int count)
    {
        Need(static_cast<std::size_t>(count));
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= std::to_integer<std::uint32_t>(m_bytes[m_pos + i]) << (8 * i);
        m_pos += static_cast<std::size_t>(count);
        return value;
    }

    std::span<const std::byte> m_bytes;
    std::size_t m_pos = 0;
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
    for (std::size_t slot = 0; slot < slots.size(); ++slot)
        AppendRecord(out, slots[slot], slot);
    return out;
}

std::vector<ClubRecord> DecodeClubData(std::span<const std::byte> bytes)
{
    RecordReader in(bytes);
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

std::vector<ClubRecord> ReadDataFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw ClubFileError(ClubFileError::Kind::CannotOpen,
                            "Cannot open " + path.string() + ": " + std::strerror(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        throw ClubFileError(ClubFileError::Kind::CannotOpen, path.string() + " is not a file.");
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxFileSize)
        throw ClubFileError(ClubFileError::Kind::NotClubData,
                            "The file is larger than any club data file.");

    std::vector<std::byte> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw ClubFileError(ClubFileError::Kind::NotClubData,
                                "Cannot read " + path.string() + ": " + std::strerror(errno));
        if (got == 0)
            break; // the file shrank while being read: decode what is there
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return DecodeClubData(bytes);
}

void SaveDataFile(const std::filesystem::path& path, const ClubList& list)
{
    const std::string data = EncodeClubData(list.Slots());
    try {
        WriteFileWhole(path, data);
    } catch (const std::system_error& error) {
        throw ClubFileError(ClubFileError::Kind::CannotWrite, error.what());
    }
}

} // namespace orv
