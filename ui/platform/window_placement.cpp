#include "ui/platform/window_placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace orv::ui {
namespace {

// How long to wait for the window manager's frame before centring again,
// and how many times to wait for it at most.
constexpr int kFrameWaitMilliseconds = 150;
constexpr int kFrameWaits = 6;

// Centres the window with its frame; false while no frame is known yet (a
// window without one, such as the splash, is centred again a few times,
// which moves it nowhere).
bool CentreNow(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return true;
    // The frame geometry includes the window manager's frame once it is
    // known; move() places the frame's top-left corner. Right after the
    // window manager takes the window in, Qt can report its new frame's
    // placeholder size (1 x 1): then the client area is the better guess.
    QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const bool known = frame.contains(client) && frame != client;
    if (!frame.contains(client))
        frame = client;
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
    return known;
}

void CentreOnceFramed(QPointer<QWidget> target, int waitsLeft)
{
    QTimer::singleShot(kFrameWaitMilliseconds, target, [target, waitsLeft] {
        if (target && target->isVisible() && !CentreNow(*target) && waitsLeft > 1)
            CentreOnceFramed(target, waitsLeft - 1);
    });
}

} // namespace

void CentreOnScreen(QWidget& window)
{
    CentreNow(window);
    CentreOnceFramed(&window, kFrameWaits);
}

} // namespace orv::ui
