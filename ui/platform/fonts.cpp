#include "ui/platform/fonts.h"

#include <QStringList>

namespace orv::ui {
namespace {

// Metric-compatible faces first, so texts keep the widths they were laid
// out for; then the desktop's usual families.
void RegisterSubstitutes()
{
    static const bool registered = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Microsoft Sans Serif"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Courier New"),
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                    QStringLiteral("DejaVu Sans Mono")});
        return true;
    }();
    (void)registered;
}

QFont Font(const QString& family, double points, QFont::StyleHint fallback)
{
    RegisterSubstitutes();
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
