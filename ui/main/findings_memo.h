// The findings on each club's readings for the results grid, kept from one
// FlushData to the next: the computation behind them runs only for readings
// the grid has not shown before, not for all 32767 clubs at every Update,
// Add or Delete.
#pragma once

#include "clubs/club_record.h"

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
    // The findings on these readings as Calculate would compute them, one
    // sentence a line; empty when there are none.
    [[nodiscard]] const QString& TextFor(const ClubMeasurements& club);

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
    using Texts = std::unordered_map<Readings, QString, ReadingsHash>;

    Texts m_thisPass;
    Texts m_lastPass;
};

} // namespace orv::ui
