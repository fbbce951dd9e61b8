// The heads of the document as a list for the compare chooser: read from the
// club list when shown, so that a document of 32767 heads is not copied into
// the chooser at every change of the list. Row 0 is "(none)".
#pragma once

#include "clubs/club_list.h"

#include <QAbstractListModel>

namespace orv::ui {

class ClubNamesModel : public QAbstractListModel {
    Q_OBJECT

public:
    ClubNamesModel(const ClubList& clubs, QObject* parent);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    // The list changed: the chooser reads it again.
    void Refresh();

private:
    const ClubList& m_clubs;
};

} // namespace orv::ui
