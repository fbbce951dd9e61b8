#include "ui/platform/picture_loader.h"

#include "ui/platform/native_paths.h"

#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orv::ui {
namespace {

[[nodiscard]] PictureError CannotLoad(const QString& path, const QString& why)
{
    return PictureError(
        QStringLiteral("Cannot load the picture %1: %2").arg(DisplayPath(path), why).toStdString());
}

} // namespace

QImage LoadPicture(const QString& path)
{
    // Opened without waiting, so a FIFO or a device is refused instead of
    // keeping the reader waiting for ever.
    const int descriptor = ::open(NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        throw CannotLoad(path, QString::fromLocal8Bit(std::strerror(errno)));
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        throw CannotLoad(path, file.errorString());
    }
    struct stat status { };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        throw CannotLoad(path, QStringLiteral("it is not a file."));
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        throw CannotLoad(path, reader.errorString());
    return picture;
}

bool FileExists(const QString& path)
{
    struct stat status { };
    return !path.isEmpty() && ::stat(NativePath(path).c_str(), &status) == 0
           && S_ISREG(status.st_mode);
}

} // namespace orv::ui
