// The fonts the windows were designed with, falling back to the desktop's
// sans-serif and monospace families where those faces are not installed.
#pragma once

#include <QFont>

namespace orv::ui {

[[nodiscard]] QFont DialogFont(); // MS Sans Serif 8.25 pt
[[nodiscard]] QFont ReportFont(); // Courier New 8.25 pt
[[nodiscard]] QFont ArialFont(double points, bool bold);

} // namespace orv::ui
