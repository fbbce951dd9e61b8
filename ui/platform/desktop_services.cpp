#include "ui/platform/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace orv::ui {

QtDesktopServices::QtDesktopServices(QString manualIndex)
    : m_manualIndex(std::move(manualIndex))
{
}

void QtDesktopServices::OpenHelp(QWidget* owner, const QString& helpFilePath,
                                 const QString& section)
{
    // From a modal dialog the manual opens in a window of its own above the
    // dialog, which the dialog does not block.
    if (owner != nullptr && owner == QApplication::activeModalWidget()) {
        auto* help = new HelpWindow(owner);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->ShowManual(m_manualIndex.isEmpty() ? ManualIndexFor(helpFilePath) : m_manualIndex);
        if (!section.isEmpty())
            help->ShowSection(section);
        help->show();
        return;
    }
    if (!m_help) {
        m_help = new HelpWindow(owner);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
        m_help->ShowManual(m_manualIndex.isEmpty() ? ManualIndexFor(helpFilePath) : m_manualIndex);
    }
    if (!section.isEmpty())
        m_help->ShowSection(section);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void QtDesktopServices::OpenWebAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace orv::ui
