// The program's own pictures, drawn at run time: a driver head seen from
// above with its ellipsoid of inertia and principal axes. Nothing is loaded
// from files, so every picture is available at the exact pixel size the
// windows expect.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

namespace orv::ui {

[[nodiscard]] QImage SplashEmblem();      // 174 x 140: the ellipsoid with its axes
[[nodiscard]] QImage SplashBanner();      // 300 x 88: head outline, ellipse and axes
[[nodiscard]] QImage EditorPlaceholder(); // 290 x 218: the picture box before a photo
[[nodiscard]] QCursor SplashCursor();     // 32 x 32: crosshair in an ellipse
[[nodiscard]] QIcon ApplicationIcon();    // 16, 32, 48 and 72 pixels

} // namespace orv::ui
