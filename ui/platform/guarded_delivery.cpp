#include "ui/platform/guarded_delivery.h"

#include <exception>
#include <new>

namespace orv::ui {

bool DeliverGuarded(const std::function<bool()>& deliver, Dialogs& dialogs)
{
    QString what;
    try {
        return deliver();
    } catch (const std::bad_alloc&) {
        what = QStringLiteral("there is not enough memory");
    } catch (const std::exception& error) {
        what = QString::fromStdString(error.what());
    } catch (...) {
        what = QStringLiteral("an unknown error occurred");
    }
    try {
        dialogs.ShowMessage(QApplication::activeWindow(),
                            QStringLiteral("The command could not be completed: %1.").arg(what),
                            MessageButtons::Ok);
    } catch (...) {
        // Not even a message box can be shown; the program goes on.
    }
    return false;
}

GuardedApplication::GuardedApplication(int& argc, char** argv, Dialogs& dialogs)
    : QApplication(argc, argv)
    , m_dialogs(dialogs)
{
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); }, m_dialogs);
}

} // namespace orv::ui
