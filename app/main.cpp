// The program's entry point: the splash window first, then the main window,
// with the document named on the command line open in it. With --self-test
// it starts the windows off screen, walks through the start-up sequence and
// one edit, and reports whether all went as expected.
#include "app/command_line.h"
#include "app/frm_splash.h"
#include "app/self_test.h"
#include "ui/artwork/artwork.h"
#include "ui/main/frm_main.h"
#include "ui/platform/app_info.h"
#include "ui/platform/desktop_services.h"
#include "ui/platform/guarded_delivery.h"
#include "ui/platform/native_paths.h"
#include "ui/platform/qt_dialogs.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler g_qtMessages = nullptr;

// While the application object starts, Qt's only fatal message is that no
// display (no platform) could be opened, after which it would abort: say so
// in one line and end with status 1 instead.
void NoDisplayIsAnError(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        g_qtMessages(type, context, message);
        return;
    }
    std::fputs("orv: no display could be opened; start orv on a desktop, or set DISPLAY or "
               "WAYLAND_DISPLAY\n",
               stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace orv::ui;
    const CommandLine line = ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::fprintf(stderr, "orv: %s\n\n%s", line.error.c_str(), CommandLineUsage().c_str());
        return 2;
    }
    if (line.help) {
        std::fputs(CommandLineUsage().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("orv %s\n", orv::kVersionText);
        return 0;
    }
    if (line.selfTest)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QtDialogs dialogs;
    g_qtMessages = qInstallMessageHandler(NoDisplayIsAnError);
    GuardedApplication app(argc, argv, dialogs);
    qInstallMessageHandler(g_qtMessages);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationVersion(QString::fromLatin1(orv::kVersionText));
    QApplication::setDesktopFileName(QStringLiteral("org.example.orv"));
    QApplication::setWindowIcon(ApplicationIcon());

    orv::ProgramData data;
    QtDesktopServices desktop;
    frmMain mainWindow(data, dialogs, desktop);
    mainWindow.SetAboutWindow([&](QWidget* owner) {
        frmSplash about(mainWindow, desktop, owner);
        about.exec();
    });
    if (!line.document.empty())
        mainWindow.SetStartupDocument(PathFromNative(line.document));

    frmSplash splash(mainWindow, desktop, nullptr);
    if (line.selfTest)
        return RunSelfTest(splash, mainWindow, data);
    splash.show();
    return QApplication::exec();
}
