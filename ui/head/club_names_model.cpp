#include "ui/head/club_names_model.h"

namespace orv::ui {

ClubNamesModel::ClubNamesModel(const ClubList& clubs, QObject* parent)
    : QAbstractListModel(parent)
    , m_clubs(clubs)
{
}

int ClubNamesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_clubs.HighestIndex() + 1;
}

QVariant ClubNamesModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const int row = index.row();
    if (row == 0)
        return QStringLiteral("(none)");
    if (row > m_clubs.HighestIndex())
        return {};
    const ClubMeasurements& club = m_clubs.At(row).Measurements;
    return QStringLiteral("%1. Head %2: %3")
        .arg(row)
        .arg(QString::fromStdString(club.ClubNo), QString::fromStdString(club.ClubName));
}

void ClubNamesModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

} // namespace orv::ui
