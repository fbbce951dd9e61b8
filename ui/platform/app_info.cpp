#include "ui/platform/app_info.h"

#include <QCoreApplication>
#include <QDir>

namespace orv::ui {

QString ProgramFolder()
{
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}

QString HelpFilePath(const QString& programFolder)
{
    return programFolder + QDir::separator() + kHelpFileName;
}

} // namespace orv::ui
