#include "ui/platform/dialogs.h"

namespace orv::ui {

QStringList NameFilters(const QString& barSeparatedFilter)
{
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        const QString inParentheses = QLatin1Char('(') + patterns + QLatin1Char(')');
        filters << (parts[i].endsWith(inParentheses) ? parts[i]
                                                     : parts[i] + QLatin1Char(' ') + inParentheses);
    }
    return filters;
}

} // namespace orv::ui
