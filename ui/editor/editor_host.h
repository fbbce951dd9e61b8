// What the editor needs of the window that opens it: the row of the club to
// edit and a way to show the list again after Update.
#pragma once

#include "clubs/club_record.h"
#include "inertia/uncertainty.h"

#include <QString>

namespace orv::ui {

class EditorHost {
public:
    virtual ~EditorHost() = default;

    // The active row of the measurements grid: the club the editor works on.
    [[nodiscard]] virtual int ActiveRow() const = 0;
    // Rewrites both grids from the club list.
    virtual void FlushData() = 0;
    // Calculate computed these values, not stored yet.
    virtual void Calculated(const ClubMeasurements& club) = 0;
    // Update: stores the values in the row and shows the list again.
    virtual void StoreClub(int row, const ClubMeasurements& measurements,
                           const ClubResults& results) = 0;
    // Opens the manual at a section.
    virtual void Help(const QString& section) = 0;
    // The instrument's uncertainties, for the report boxes' tips.
    [[nodiscard]] virtual InputUncertainties Uncertainties() const = 0;
};

} // namespace orv::ui
