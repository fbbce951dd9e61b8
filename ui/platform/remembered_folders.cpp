#include "ui/platform/remembered_folders.h"

#include "ui/platform/user_settings.h"

#include <QFileInfo>

namespace orv::ui {
namespace {

QString Key(FolderPurpose purpose)
{
    return purpose == FolderPurpose::Documents ? QStringLiteral("folders/documents")
                                               : QStringLiteral("folders/pictures");
}

} // namespace

QString RememberedFolder(FolderPurpose purpose)
{
    return UserSettings().value(Key(purpose)).toString();
}

void RememberFolderOf(FolderPurpose purpose, const QString& chosenPath)
{
    UserSettings().setValue(Key(purpose), QFileInfo(chosenPath).absolutePath());
}

} // namespace orv::ui
