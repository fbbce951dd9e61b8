#include "ui/platform/twips.h"

#include <QPaintDevice>

#include <cmath>

namespace orv::ui {

int TwipsToPixelsX(int twips, const QPaintDevice& device)
{
    return static_cast<int>(
        std::lround(static_cast<double>(twips) * device.logicalDpiX() / kTwipsPerInch));
}

int TwipsToPixelsY(int twips, const QPaintDevice& device)
{
    return static_cast<int>(
        std::lround(static_cast<double>(twips) * device.logicalDpiY() / kTwipsPerInch));
}

QRect TwipsRect(int left, int top, int width, int height, const QPaintDevice& device)
{
    return {TwipsToPixelsX(left, device), TwipsToPixelsY(top, device),
            TwipsToPixelsX(width, device), TwipsToPixelsY(height, device)};
}

QSize TwipsSize(int width, int height, const QPaintDevice& device)
{
    return {TwipsToPixelsX(width, device), TwipsToPixelsY(height, device)};
}

} // namespace orv::ui
