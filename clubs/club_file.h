// The club data file (.orv): every slot of the club list, slot 0 first, back
// to back, with no header, count or terminator. A record is its 18
// measurement fields and 14 results in record order; a real is 4 bytes of
// little-endian IEEE single, a text a 16-bit little-endian byte count and
// that many Windows-1252 bytes. An empty record is 118 zero bytes.
//
// Reading either delivers every record of the file or fails without
// touching anything; it decodes as it reads, through a fixed buffer. Saving writes a new file
// beside the target and renames it over the target only when every byte is on disk, so a failed
// save leaves the previous file exactly as it was.
#pragma once

#include "clubs/byte_source.h"
#include "clubs/club_list.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class ClubFileError : public std::runtime_error {
public:
    enum class Kind {
        CannotOpen,      // no such file, not a usable file name, or not a regular file
        CannotRead,      // the system failed a read
        NotClubData,     // content that is not a whole number of records
        TextNotStorable, // a text too long, or with characters the code page lacks
        CannotWrite,     // the file system refused the save
    };

    ClubFileError(Kind kind, const std::string& description);

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

// A path counts as a club data file when its last three characters, in
// lower case, are "orv"; nothing else is looked at.
[[nodiscard]] bool IsClubDataFileName(std::string_view path);

// Why a text cannot go into a club data file (characters Windows-1252 lacks,
// more than 65535 bytes), or nothing when it can.
[[nodiscard]] std::optional<std::string> WhyTextCannotBeStored(std::string_view text);

// The bytes of a file holding `slots`, handed to `write` a record at a time;
// throws TextNotStorable naming the slot and the field.
void EncodeClubData(std::span<const ClubRecord> slots,
                    const std::function<void(std::string_view)>& write);
[[nodiscard]] std::string EncodeClubData(std::span<const ClubRecord> slots);

// The records of a file's bytes, decoded as they are read; throws
// NotClubData when the bytes end inside a record, hold no record, or hold
// more than kMaxClubs + 1 records, and whatever the source throws.
[[nodiscard]] std::vector<ClubRecord> DecodeClubData(ByteSource& source);
[[nodiscard]] std::vector<ClubRecord> DecodeClubData(std::span<const std::byte> bytes);

// Reads every record of the file; throws CannotOpen (also for a folder, a
// FIFO or a device, refused before anything waits on them), CannotRead or
// NotClubData. Memory holds the decoded clubs and a fixed buffer.
[[nodiscard]] std::vector<ClubRecord> ReadDataFile(const std::filesystem::path& path);

// Writes the slots to the file, replacing it whole or not at all; throws
// TextNotStorable (nothing written) or CannotWrite.
void SaveDataFile(const std::filesystem::path& path, std::span<const ClubRecord> slots);
void SaveDataFile(const std::filesystem::path& path, const ClubList& list);

} // namespace orv
