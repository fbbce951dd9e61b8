// Heads as a spreadsheet takes them from the clipboard: a header line, then
// one tab-separated line per head (No., Name, the twelve measurements, the
// fourteen results, in the grids' order), every number the shortest text
// that reads back to the same single.
#pragma once

#include "clubs/club_list.h"

#include <QString>
#include <QStringList>

namespace orv::ui {

// Rows first..last of the list under the grids' column headers.
[[nodiscard]] QString ClubsAsTabText(const ClubList& list, int first, int last,
                                     const QStringList& headers);

} // namespace orv::ui
