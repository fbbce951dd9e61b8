// What each club's readings give cause to say in the results grid, kept
// from one FlushData to the next: the findings, what probably went wrong,
// and a driver rule's verdict other than conforming. The computation behind
// them runs only for readings the grid has not shown before, not for all
// 32767 clubs at every Update, Add or Delete.
#pragma once

#include "clubs/club_record.h"
#include "inertia/uncertainty.h"
#include "ui/main/grid_model.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace orv::ui {

class FindingsMemo {
public:
    // Starts a pass over the document; readings not asked for since the
    // last pass are forgotten at the next one.
    void BeginPass();
    // The note on these readings as Calculate would compute them, one
    // sentence a line: a warning when there are findings.
    [[nodiscard]] const RowNote& NoteFor(const ClubMeasurements& club);
    // The instrument's uncertainties the verdicts are taken with; a change
    // forgets every note.
    void SetUncertainties(const InputUncertainties& uncertainties);

private:
    // The bits of every reading the computation uses, so that equal
    // readings, NaN included, find the same entry.
    using Readings = std::array<std::uint32_t, kEnteredReals.size()>;
    struct ReadingsHash {
        std::size_t operator()(const Readings& readings) const
        {
            return std::hash<std::string_view>{}(
                std::string_view(reinterpret_cast<const char*>(readings.data()), sizeof(Readings)));
        }
    };
    using Notes = std::unordered_map<Readings, RowNote, ReadingsHash>;

    Notes m_thisPass;
    Notes m_lastPass;
    InputUncertainties m_uncertainties;
};

} // namespace orv::ui
