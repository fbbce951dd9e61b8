#include "ui/platform/desktop_services.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace orv::ui {

void QtDesktopServices::OpenHelp(QWidget*, const QString& helpFilePath)
{
    if (QFileInfo::exists(helpFilePath))
        QDesktopServices::openUrl(QUrl::fromLocalFile(helpFilePath));
}

void QtDesktopServices::OpenWebAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace orv::ui
