#include "ui/platform/fonts.h"

namespace orv::ui {
namespace {

QFont Font(const QString& family, double points, QFont::StyleHint fallback)
{
    QFont font(family);
    font.setStyleHint(fallback);
    font.setPointSizeF(points);
    return font;
}

} // namespace

QFont DialogFont() { return Font(QStringLiteral("MS Sans Serif"), 8.25, QFont::SansSerif); }

QFont ReportFont() { return Font(QStringLiteral("Courier New"), 8.25, QFont::Monospace); }

QFont ArialFont(double points, bool bold)
{
    QFont font = Font(QStringLiteral("Arial"), points, QFont::SansSerif);
    font.setBold(bold);
    return font;
}

} // namespace orv::ui
