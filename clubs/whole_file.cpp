#include "clubs/whole_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orv {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
// The longest chain of links followed, as the kernel allows.
constexpr int kMostLinks = 40;

// A failure to save, its text exactly as it reads: the path and why.
class SaveError : public std::system_error {
public:
    SaveError(std::error_code code, std::string text)
        : std::system_error(code)
        , m_text(std::move(text))
    {
    }
    [[nodiscard]] const char* what() const noexcept override { return m_text.c_str(); }

private:
    std::string m_text;
};

[[noreturn]] void ThrowWriteError(const std::filesystem::path& path, int error)
{
    throw SaveError(std::error_code(error, std::generic_category()),
                    "Cannot save " + path.string() + ": " + std::strerror(error));
}

[[noreturn]] void ThrowWriteError(const std::filesystem::path& path, const std::string& why,
                                  std::errc code = std::errc::invalid_argument)
{
    throw SaveError(std::make_error_code(code), "Cannot save " + path.string() + ": " + why);
}

// The descriptor of this process that a path names, as shells hand outputs
// over: /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N (and
// /proc/PID/fd/N with this process's PID); -1 for any other path.
int NamedDescriptor(const std::filesystem::path& path)
{
    const std::string name = path.lexically_normal().string();
    if (name == "/dev/stdout")
        return STDOUT_FILENO;
    if (name == "/dev/stderr")
        return STDERR_FILENO;
    const std::string ownProc = "/proc/" + std::to_string(::getpid()) + "/fd/";
    for (const std::string& prefix : {std::string("/dev/fd/"), std::string("/proc/self/fd/"),
                                      std::string("/proc/thread-self/fd/"), ownProc}) {
        if (!name.starts_with(prefix))
            continue;
        const std::string number = name.substr(prefix.size());
        if (number.empty() || number.size() > 9
            || number.find_first_not_of("0123456789") != std::string::npos)
            return -1;
        return std::stoi(number);
    }
    return -1;
}

// Where the path leads through any links: a descriptor this process holds
// (named on the way), or the file at the end; a link that leads nowhere
// names the file to create.
struct Destination {
    std::filesystem::path file;
    int descriptor = -1;
};

Destination FollowLinks(const std::filesystem::path& path)
{
    std::filesystem::path current = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        if (const int descriptor = NamedDescriptor(current); descriptor >= 0)
            return {current, descriptor};
        struct stat info { };
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return {current};
            ThrowWriteError(path, errno);
        }
        if (!S_ISLNK(info.st_mode))
            return {current};
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1,
                           '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0)
            ThrowWriteError(path, errno);
        target.resize(static_cast<std::size_t>(length));
        const std::filesystem::path next(target);
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    ThrowWriteError(path, ELOOP);
}

void WriteAll(int fd, std::string_view data, const std::filesystem::path& target)
{
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ThrowWriteError(target, errno);
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::filesystem::path FolderOf(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

} // namespace

WholeFileWriter::WholeFileWriter(const std::filesystem::path& path)
    : m_path(path)
{
    const Destination destination = FollowLinks(path);
    m_target = destination.file;
    if (destination.descriptor >= 0) {
        OpenDescriptor(destination.descriptor);
        return;
    }
    // What the path is once the system follows it, magic links included.
    struct stat existing { };
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        OpenStream(existing.st_mode);
        return;
    }
    if (exists && ::faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0)
        ThrowWriteError(path, errno);

    // A short fixed name fits beside any file name the folder allows.
    m_temporary = (FolderOf(m_target) / ".orv-XXXXXX").string();
    m_fd = ::mkostemp(m_temporary.data(), O_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        m_temporary.clear();
        if (error == EACCES && exists)
            ThrowWriteError(path,
                            "the folder " + FolderOf(m_target).string()
                                + " must be writable too, since the file is replaced as a whole ("
                                + std::strerror(error) + ")",
                            std::errc::permission_denied);
        ThrowWriteError(path, error);
    }
    if (exists) {
        // Owner and group as they were, as far as this user may give them.
        if (::fchown(m_fd, existing.st_uid, existing.st_gid) != 0)
            (void)::fchown(m_fd, static_cast<uid_t>(-1), existing.st_gid);
    }
    // Set by Commit, after the last write: a change of owner, and a write by
    // a user who is not root, clear the set-user-ID and set-group-ID bits.
    m_mode = exists ? (existing.st_mode & 07777) : NewFileMode();
    m_buffer.reserve(kBufferSize);
}

void WholeFileWriter::OpenDescriptor(int descriptor)
{
    // A copy of the descriptor shares its place in the file: an append
    // stays an append, and what others wrote before stays.
    m_fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (m_fd < 0)
        ThrowWriteError(m_path, errno == EBADF ? std::string("no such descriptor is open")
                                               : std::string(std::strerror(errno)));
    if ((::fcntl(m_fd, F_GETFL) & O_ACCMODE) == O_RDONLY)
        ThrowWriteError(m_path, "it is open only for reading");
}

void WholeFileWriter::OpenStream(mode_t kind)
{
    if (S_ISDIR(kind))
        ThrowWriteError(m_path, "it is a folder", std::errc::is_a_directory);
    if (S_ISBLK(kind))
        ThrowWriteError(m_path, "it is a disk device, which is never written over");
    if (S_ISSOCK(kind))
        ThrowWriteError(m_path, "it is a socket, which cannot be opened as a file");
    // A device or a FIFO is written to as it stands. O_NONBLOCK: a FIFO
    // nobody reads from fails at once instead of waiting.
    m_fd = ::open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0 && errno == ENXIO)
        ThrowWriteError(m_path, "no program reads from that FIFO");
    if (m_fd < 0)
        ThrowWriteError(m_path, errno);
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
}

WholeFileWriter::~WholeFileWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

void WholeFileWriter::Write(std::string_view bytes)
{
    if (m_buffer.size() + bytes.size() > kBufferSize)
        Flush();
    if (bytes.size() >= kBufferSize)
        WriteAll(m_fd, bytes, m_path);
    else
        m_buffer.append(bytes);
}

void WholeFileWriter::Flush()
{
    WriteAll(m_fd, m_buffer, m_path);
    m_buffer.clear();
}

void WholeFileWriter::Commit()
{
    Flush();
    const int fd = m_fd;
    m_fd = -1;
    if (m_temporary.empty()) {
        if (::close(fd) != 0)
            ThrowWriteError(m_path, errno);
        m_committed = true;
        return;
    }
    if (::fchmod(fd, m_mode) != 0 || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        ThrowWriteError(m_path, error);
    }
    if (::close(fd) != 0)
        ThrowWriteError(m_path, errno);
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        ThrowWriteError(m_path, errno);
    m_committed = true;
    SyncFolder(FolderOf(m_target));
}

void WriteFileWhole(const std::filesystem::path& path, std::string_view bytes)
{
    WholeFileWriter file(path);
    file.Write(bytes);
    file.Commit();
}

} // namespace orv
