// The clubs of the open document. Slot 0 is a spare record that no grid shows
// but the data file carries; slots 1..N are the clubs in display order, so a
// slot index is also the club's row in both grids.
#pragma once

#include "clubs/club_record.h"

#include <stdexcept>
#include <vector>

namespace orv {

// Row numbers are 16-bit wherever the grids are refreshed.
inline constexpr int kMaxClubs = 32767;

class ClubListFull : public std::runtime_error {
public:
    ClubListFull();
};

// Every operation that names a slot outside 0..N throws std::out_of_range.
class ClubList {
public:
    ClubList();

    // One empty slot 0 and no clubs.
    void Reset();
    // A new empty club at N+1; throws ClubListFull at kMaxClubs clubs.
    void AppendEmpty();
    // Later clubs move down by one; slots below k are untouched.
    void Remove(int k);
    // The club at k (1..N+1), later clubs moving up by one: Remove undone.
    // Throws ClubListFull at kMaxClubs clubs.
    void Insert(int k, ClubRecord record);
    void Store(int k, const ClubMeasurements& measurements, const ClubResults& results);
    [[nodiscard]] ClubMeasurements Fetch(int k) const;
    // Replaces every slot, slot 0 included; `slots` must hold 1 to kMaxClubs+1.
    void ReplaceAll(std::vector<ClubRecord> slots);

    [[nodiscard]] const ClubRecord& At(int k) const;
    // N, the number of clubs.
    [[nodiscard]] int HighestIndex() const noexcept;
    [[nodiscard]] const std::vector<ClubRecord>& Slots() const noexcept { return m_slots; }

private:
    void CheckIndex(int k) const;

    std::vector<ClubRecord> m_slots;
};

// The program-wide values: the document's list and the club the editor and
// the computation exchange. They live as long as the main window.
struct ProgramData {
    orv::ClubList ClubList;
    ClubMeasurements CurrentClub;
    ClubResults CurrentResults;
};

} // namespace orv
