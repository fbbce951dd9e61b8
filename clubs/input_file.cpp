#include "clubs/input_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

std::string SystemReason() { return std::strerror(errno); }

const char* KindOfFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a device";
}

} // namespace

InputFileError::InputFileError(Kind kind, const std::string& description)
    : std::runtime_error(description)
    , m_kind(kind)
{
}

std::optional<FileIdentity> IdentifyFile(const std::filesystem::path& path)
{
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uintmax_t>(info.st_dev),
                        static_cast<std::uintmax_t>(info.st_ino)};
}

InputFile::InputFile(const std::filesystem::path& path)
    : m_path(path)
{
    // O_NONBLOCK: opening a FIFO would otherwise wait for a writer.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0)
        throw InputFileError(InputFileError::Kind::CannotOpen,
                             "Cannot open " + path.string() + ": " + SystemReason());
    struct stat info { };
    if (::fstat(m_fd, &info) != 0) {
        const std::string reason = SystemReason();
        ::close(m_fd);
        throw InputFileError(InputFileError::Kind::CannotOpen,
                             "Cannot open " + path.string() + ": " + reason);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(m_fd);
        throw InputFileError(InputFileError::Kind::NotAFile,
                             path.string() + " is " + KindOfFile(info.st_mode) + ", not a file.");
    }
    // A regular file never blocks; reads go back to the ordinary mode.
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    m_size = static_cast<std::uintmax_t>(info.st_size);
    m_identity = {static_cast<std::uintmax_t>(info.st_dev),
                  static_cast<std::uintmax_t>(info.st_ino)};
}

InputFile::~InputFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::size_t InputFile::Read(std::span<std::byte> into)
{
    for (;;) {
        const ssize_t got = ::read(m_fd, into.data(), into.size());
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throw InputFileError(InputFileError::Kind::CannotRead,
                                 "Cannot read " + m_path.string() + ": " + SystemReason());
    }
}

} // namespace orv
