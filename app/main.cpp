// The program's entry point: the splash window first, then the main window.
// With --self-test it starts the windows off screen, walks through the
// start-up sequence and one edit, and reports whether all went as expected.
#include "app/frm_splash.h"
#include "app/self_test.h"
#include "ui/artwork/artwork.h"
#include "ui/main/frm_main.h"
#include "ui/platform/app_info.h"
#include "ui/platform/desktop_services.h"
#include "ui/platform/guarded_delivery.h"
#include "ui/platform/qt_dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace orv::ui;
    const bool selfTest = argc > 1
                          && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--self-test");
    if (selfTest)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QtDialogs dialogs;
    GuardedApplication app(argc, argv, dialogs);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor));
    QApplication::setWindowIcon(ApplicationIcon());

    orv::ProgramData data;
    QtDesktopServices desktop;
    frmMain mainWindow(data, dialogs, desktop);
    mainWindow.SetAboutWindow([&](QWidget* owner) {
        frmSplash about(mainWindow, desktop, owner);
        about.exec();
    });

    frmSplash splash(mainWindow, desktop, nullptr);
    if (selfTest)
        return RunSelfTest(splash, mainWindow, data);
    splash.show();
    return QApplication::exec();
}
