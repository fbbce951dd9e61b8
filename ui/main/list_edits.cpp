#include "ui/main/list_edits.h"

#include <algorithm>

namespace orv::ui {

AddClub::AddClub(ListEditTarget& target)
    : QUndoCommand(QStringLiteral("Add"))
    , m_target(target)
{
}

void AddClub::redo()
{
    m_target.List().AppendEmpty();
    m_target.ShowListAt(m_target.List().HighestIndex(), false);
}

void AddClub::undo()
{
    ClubList& list = m_target.List();
    list.Remove(list.HighestIndex());
    m_target.ShowListAt(list.HighestIndex(), false);
}

DeleteClub::DeleteClub(ListEditTarget& target, int row)
    : QUndoCommand(QStringLiteral("Delete"))
    , m_target(target)
    , m_row(row)
    , m_club(target.List().At(row))
    , m_spare(target.List().At(0))
    , m_last(target.List().HighestIndex() == 1)
{
}

void DeleteClub::redo()
{
    ClubList& list = m_target.List();
    // The last club goes as the window always let it go: the list starts
    // afresh.
    if (m_last)
        list.Reset();
    else
        list.Remove(m_row);
    m_target.ShowListAt(std::min(m_row, list.HighestIndex()), true);
}

void DeleteClub::undo()
{
    ClubList& list = m_target.List();
    if (m_last)
        list.Store(0, m_spare.Measurements, m_spare.Results);
    list.Insert(m_row, m_club);
    m_target.ShowListAt(m_row, true);
}

UpdateClub::UpdateClub(ListEditTarget& target, int row, ClubRecord after)
    : QUndoCommand(QStringLiteral("Update"))
    , m_target(target)
    , m_row(row)
    , m_before(target.List().At(row))
    , m_after(std::move(after))
{
}

void UpdateClub::redo()
{
    m_target.List().Store(m_row, m_after.Measurements, m_after.Results);
    m_target.ShowListAt(m_row, true);
}

void UpdateClub::undo()
{
    m_target.List().Store(m_row, m_before.Measurements, m_before.Results);
    m_target.ShowListAt(m_row, true);
}

} // namespace orv::ui
