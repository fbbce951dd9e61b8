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
inline constexpr int kApplicationIconSizes[] = {16, 32, 48, 72};
[[nodiscard]] QImage ApplicationIconImage(int size); // size x size
[[nodiscard]] QIcon ApplicationIcon();               // every size above

} // namespace orv::ui
