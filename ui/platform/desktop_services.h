// What the program hands over to the desktop: opening the help file and a
// web address. Tests record the requests instead.
#pragma once

#include <QString>

class QWidget;

namespace orv::ui {

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Opens the help file with the desktop's viewer; a missing file or a
    // missing viewer is not reported.
    virtual void OpenHelp(QWidget* owner, const QString& helpFilePath) = 0;
    // Opens the address in the desktop's web browser.
    virtual void OpenWebAddress(const QString& address) = 0;
};

class QtDesktopServices : public DesktopServices {
public:
    void OpenHelp(QWidget* owner, const QString& helpFilePath) override;
    void OpenWebAddress(const QString& address) override;
};

} // namespace orv::ui
