// Window geometry is laid out in twips (1440 to the inch) and converted to
// pixels through the screen's logical resolution, so windows keep their
// proportions on any display.
#pragma once

#include <QRect>
#include <QSize>

class QPaintDevice;

namespace orv::ui {

inline constexpr int kTwipsPerInch = 1440;

[[nodiscard]] int TwipsToPixelsX(int twips, const QPaintDevice& device);
[[nodiscard]] int TwipsToPixelsY(int twips, const QPaintDevice& device);
[[nodiscard]] QRect TwipsRect(int left, int top, int width, int height, const QPaintDevice& device);
[[nodiscard]] QSize TwipsSize(int width, int height, const QPaintDevice& device);

} // namespace orv::ui
