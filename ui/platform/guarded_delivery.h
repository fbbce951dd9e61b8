// The last line of defence of the event loop: an exception that a handler
// let through (memory running out in the middle of a command, say) becomes a
// message to the user instead of ending the program with its unsaved clubs.
#pragma once

#include "ui/platform/dialogs.h"

#include <QApplication>

#include <functional>

namespace orv::ui {

// Runs `deliver`; if it throws, tells the user through `dialogs` and gives
// false, as for an event nobody handled.
[[nodiscard]] bool DeliverGuarded(const std::function<bool()>& deliver, Dialogs& dialogs);

// The program's application object: every event goes through
// DeliverGuarded.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv, Dialogs& dialogs);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs& m_dialogs;
};

} // namespace orv::ui
