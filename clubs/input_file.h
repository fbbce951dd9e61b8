// Opening a file for reading without ever blocking on it: a FIFO, a device
// or a folder with the right name is refused before anything waits on it,
// and every read error is reported with the system's own description.
#pragma once

#include "clubs/byte_source.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace orv {

class InputFileError : public std::runtime_error {
public:
    enum class Kind {
        CannotOpen, // missing, not allowed, or not a usable file name
        NotAFile,   // a folder, a FIFO, a device or a socket
        CannotRead, // the system failed a read
    };

    InputFileError(Kind kind, const std::string& description);

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

// Which file a path names: its device and inode, after following links.
struct FileIdentity {
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file at `path`, or nothing when there is none.
[[nodiscard]] std::optional<FileIdentity> IdentifyFile(const std::filesystem::path& path);

class InputFile : public ByteSource {
public:
    // Opens a regular file; throws CannotOpen or NotAFile.
    explicit InputFile(const std::filesystem::path& path);
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() override;

    // Throws CannotRead naming the file and the system's reason.
    [[nodiscard]] std::size_t Read(std::span<std::byte> into) override;

    [[nodiscard]] std::uintmax_t Size() const noexcept { return m_size; }
    [[nodiscard]] FileIdentity Identity() const noexcept { return m_identity; }

private:
    std::filesystem::path m_path;
    int m_fd = -1;
    std::uintmax_t m_size = 0;
    FileIdentity m_identity;
};

} // namespace orv
