#include "clubs/whole_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orv {
namespace {

[[noreturn]] void ThrowWriteError(const std::filesystem::path& path, int error)
{
    throw std::system_error(error, std::generic_category(), "Cannot save " + path.string());
}

// Closes the descriptor and removes the temporary file unless it was kept.
class TemporaryFile {
public:
    TemporaryFile(std::string path, int fd)
        : m_path(std::move(path))
        , m_fd(fd)
    {
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_kept)
            ::unlink(m_path.c_str());
    }

    [[nodiscard]] int fd() const { return m_fd; }
    [[nodiscard]] const std::string& path() const { return m_path; }

    int Close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }
    void Keep() { m_kept = true; }

private:
    std::string m_path;
    int m_fd;
    bool m_kept = false;
};

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

mode_t NewFileMode(const std::filesystem::path& target)
{
    struct stat existing { };
    if (::stat(target.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::filesystem::path ResolveTarget(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        if (!error)
            return resolved;
    }
    return path;
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void WriteFileWhole(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path target = ResolveTarget(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        ThrowWriteError(path, errno);
    TemporaryFile temporary(pattern, fd);

    if (::fchmod(fd, NewFileMode(target)) != 0)
        ThrowWriteError(path, errno);
    WriteAll(fd, bytes, path);
    if (::fsync(fd) != 0)
        ThrowWriteError(path, errno);
    if (temporary.Close() != 0)
        ThrowWriteError(path, errno);
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        ThrowWriteError(path, errno);
    temporary.Keep();
    SyncFolder(folder);
}

} // namespace orv
