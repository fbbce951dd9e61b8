// Preloaded into a program under test, makes read() of one file fail with
// EIO once the reads reach a given offset, as a failing disk would:
//   ORV_FAIL_READ_PATH=FILE ORV_FAIL_READ_AT=OFFSET LD_PRELOAD=this.so PROGRAM
// A read that would cross the offset returns the bytes before it; the next
// one fails. Every other file reads as usual.
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using ReadFunction = ssize_t (*)(int, void*, size_t);

ReadFunction RealRead()
{
    static const auto real = reinterpret_cast<ReadFunction>(::dlsym(RTLD_NEXT, "read"));
    return real;
}

bool IsFailingFile(int fd)
{
    const char* path = std::getenv("ORV_FAIL_READ_PATH");
    struct stat failing { };
    struct stat open { };
    return path != nullptr && ::stat(path, &failing) == 0 && ::fstat(fd, &open) == 0
           && failing.st_dev == open.st_dev && failing.st_ino == open.st_ino;
}

} // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    const char* at = std::getenv("ORV_FAIL_READ_AT");
    if (at != nullptr && IsFailingFile(fd)) {
        const off_t failAt = static_cast<off_t>(std::strtoll(at, nullptr, 10));
        const off_t position = ::lseek(fd, 0, SEEK_CUR);
        if (position >= failAt) {
            errno = EIO;
            return -1;
        }
        if (position + static_cast<off_t>(count) > failAt)
            count = static_cast<size_t>(failAt - position);
    }
    return RealRead()(fd, buffer, count);
}
