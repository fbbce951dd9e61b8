#include "ui/editor/internal/picture_types.h"

#include <QStringList>

namespace orv::ui {
namespace {

bool EndsInType(const QString& path, const QStringList& types)
{
    return types.contains(path.right(3).toLower());
}

} // namespace

bool IsAcceptedPicture(const QString& path)
{
    return EndsInType(path, {QStringLiteral("jpg"), QStringLiteral("gif"), QStringLiteral("bmp")});
}

bool IsPreviewedPicture(const QString& path)
{
    return EndsInType(path, {QStringLiteral("jpg"), QStringLiteral("gif"), QStringLiteral("tif"),
                             QStringLiteral("bmp")});
}

} // namespace orv::ui
