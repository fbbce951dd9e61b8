#include "ui/platform/picture_loader.h"

#include <QFileInfo>
#include <QImageReader>

namespace orv::ui {

QImage LoadPicture(const QString& path)
{
    // A FIFO or a device would keep the reader waiting for ever.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw PictureError(QStringLiteral("Cannot load the picture %1: it is not a file.")
                               .arg(path)
                               .toStdString());
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        throw PictureError(QStringLiteral("Cannot load the picture %1: %2")
                               .arg(path, reader.errorString())
                               .toStdString());
    return picture;
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace orv::ui
