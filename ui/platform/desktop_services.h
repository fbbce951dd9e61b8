// What the program hands over to the desktop: opening the help file and a
// web address. Tests record the requests instead.
#pragma once

#include "ui/platform/help_window.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace orv::ui {

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Opens the help file with the help viewer, at `section` (an anchor of
    // the manual) when one is given.
    virtual void OpenHelp(QWidget* owner, const QString& helpFilePath,
                          const QString& section = {}) = 0;
    // Opens the address in the desktop's web browser.
    virtual void OpenWebAddress(const QString& address) = 0;
};

// Help opens the program's own help window on the manual that belongs to
// the help file path (ManualIndexFor), or on `manualIndex` when given.
class QtDesktopServices : public DesktopServices {
public:
    explicit QtDesktopServices(QString manualIndex = {});

    void OpenHelp(QWidget* owner, const QString& helpFilePath,
                  const QString& section = {}) override;
    void OpenWebAddress(const QString& address) override;

    // The help window once Help has been opened, until its owner goes.
    [[nodiscard]] HelpWindow* Help() const { return m_help; }

private:
    QString m_manualIndex;
    QPointer<HelpWindow> m_help;
};

} // namespace orv::ui
