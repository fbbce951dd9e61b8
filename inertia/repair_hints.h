// What probably went wrong in readings that no rigid body gives: the single
// slips people make at an instrument, each tried on its own. A slip is a
// hint when undoing it leaves the principal moments positive and within the
// triangle inequality.
//
// The slips tried: one of the six readings ten times too large or too
// small, the mass ten times too large, two readings swapped, the sign of one
// centre-of-gravity coordinate, the centre of gravity ten times too far out.
// (A mass or centre of gravity too small only adds a point mass's inertia:
// the readings still fit a rigid body, so no finding shows it.)
//
// The most plausible first: the correction after which the readings are
// farthest from breaking either rule, measured by the smaller of the
// smallest principal moment and the smallest triangle slack (the sum of two
// moments less the third), against the largest moment. A real slip undone
// gives an ordinary head; a wrong one mostly just scrapes through.
#pragma once

#include "clubs/club_record.h"

#include <string>
#include <vector>

namespace orv {

struct RepairHint {
    // "Izz/10" (divide Izz by 10), "Izz*10", "Mass/10", "Ixx<>Iyy",
    // "-CMx", "CM/10".
    std::string code;
    // "I_zz is perhaps ten times too large: with 6.95 instead of 69.5 the
    // readings would fit a rigid body."
    std::string text;
};

inline constexpr std::size_t kMostHints = 3;

// At most kMostHints, the most plausible first; none for readings that
// already fit a rigid body (or with a value that is not a number).
[[nodiscard]] std::vector<RepairHint> RepairHintsOf(const ClubMeasurements& club);

} // namespace orv
