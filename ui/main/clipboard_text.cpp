#include "ui/main/clipboard_text.h"

#include "numeric/number_text.h"

namespace orv::ui {
namespace {

// A text cell without the characters that would split it.
QString Cell(const std::string& text)
{
    QString cell = QString::fromStdString(text);
    cell.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return cell;
}

QString Number(float value) { return QString::fromStdString(ShortestText(value)); }

} // namespace

QString ClubsAsTabText(const ClubList& list, int first, int last, const QStringList& headers)
{
    QString text = headers.join(u'\t') + u'\n';
    for (int row = first; row <= last; ++row) {
        const ClubRecord& club = list.At(row);
        QStringList cells = {Cell(club.Measurements.ClubNo), Cell(club.Measurements.ClubName)};
        for (const MeasuredReal& field : kEnteredReals)
            cells << Number(club.Measurements.*field.member);
        for (const ResultReal& field : kResultReals)
            cells << Number(club.Results.*field.member);
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

} // namespace orv::ui
