// Finds a window's controls the way the windows name them, so tests reach
// every control by its name and kind and never through the window's members.
#pragma once

#include <QDialog>
#include <QObject>
#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace orv::testing {

// Whether `object` lies in `window` itself and not in a dialog it owns (the
// main window owns an open editor, whose buttons share names with its own).
inline bool InWindowItself(const QObject* object, const QWidget& window)
{
    for (; object != nullptr && object != &window; object = object->parent()) {
        if (qobject_cast<const QDialog*>(object) != nullptr)
            return false;
    }
    return object == &window;
}

// The one control of kind T named `name` in `window` itself. Throws, failing
// the test, when there is none or more than one.
template <typename T> T* Control(const QWidget& window, const char* name)
{
    T* found = nullptr;
    for (T* candidate : window.findChildren<T*>(QString::fromLatin1(name))) {
        if (!InWindowItself(candidate, window))
            continue;
        if (found != nullptr)
            throw std::logic_error(std::string("two controls are named ") + name);
        found = candidate;
    }
    if (found == nullptr)
        throw std::logic_error(std::string("no control of that kind is named ") + name);
    return found;
}

// A window's caption as the user reads it when nothing is unsaved: the title
// without Qt's mark of unsaved changes, "[*]".
inline QString Caption(const QWidget& window)
{
    QString caption = window.windowTitle();
    caption.remove(QStringLiteral("[*]"));
    return caption;
}

} // namespace orv::testing
