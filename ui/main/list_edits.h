// The edits of the club list that Edit, Undo takes back: Add, Delete and the
// editor's Update, each undone bit for bit (a deleted club comes back with
// its reserved texts and azimuth, in its row). Redo does the edit again.
#pragma once

#include "clubs/club_list.h"

#include <QUndoCommand>

namespace orv::ui {

// What an edit needs of the window: the list, and a way to show it again
// at a row, made active or only scrolled into view.
class ListEditTarget {
public:
    virtual ~ListEditTarget() = default;
    [[nodiscard]] virtual ClubList& List() = 0;
    virtual void ShowListAt(int row, bool activate) = 0;
};

class AddClub : public QUndoCommand {
public:
    explicit AddClub(ListEditTarget& target);
    void redo() override;
    void undo() override;

private:
    ListEditTarget& m_target;
};

class DeleteClub : public QUndoCommand {
public:
    DeleteClub(ListEditTarget& target, int row);
    void redo() override;
    void undo() override;

private:
    ListEditTarget& m_target;
    int m_row;
    ClubRecord m_club;
    ClubRecord m_spare; // slot 0, which deleting the last club resets
    bool m_last = false;
};

class UpdateClub : public QUndoCommand {
public:
    UpdateClub(ListEditTarget& target, int row, ClubRecord after);
    void redo() override;
    void undo() override;

private:
    ListEditTarget& m_target;
    int m_row;
    ClubRecord m_before;
    ClubRecord m_after;
};

} // namespace orv::ui
