#include "ui/platform/window_placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace orv::ui {
namespace {

// How long to wait for the window manager's frame before the last centring.
constexpr int kFrameWaitMilliseconds = 150;

void CentreNow(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // The frame geometry includes the window manager's frame once it is
    // known; move() places the frame's top-left corner.
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace

void CentreOnScreen(QWidget& window)
{
    CentreNow(window);
    QTimer::singleShot(kFrameWaitMilliseconds, &window, [target = QPointer<QWidget>(&window)] {
        if (target && target->isVisible())
            CentreNow(*target);
    });
}

} // namespace orv::ui
