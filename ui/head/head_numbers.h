// Every number of a head's ellipsoid of inertia as the head window and the
// report show it: the tensor about the centre of gravity and the products of
// inertia with their sign convention, the principal moments with their axes,
// radii of gyration, the equivalent ellipsoid, Izc', the driver rules'
// verdicts, the findings and hints in words; beside each number its
// standard uncertainty when the instrument's are known ("—" where it has
// none).
#pragma once

#include "clubs/club_record.h"
#include "inertia/driver_rules.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/repair_hints.h"
#include "inertia/uncertainty.h"

#include <QString>

#include <optional>
#include <vector>

namespace orv::ui {

// One head's numbers, computed once.
struct HeadNumbers {
    ClubMeasurements club;
    EllipsoidOfInertia outcome;
    DriverRules rules;
    std::vector<RepairHint> hints;
    // With known instrument uncertainties: those of the fourteen results and
    // of the values below; none otherwise.
    std::optional<ResultUncertainties> resultUncertainties;
    std::optional<std::vector<double>> geometryUncertainties;
};

// The numbers of a head as Calculate computes them (azimuth 180).
[[nodiscard]] HeadNumbers ComputeHeadNumbers(const ClubMeasurements& club,
                                             const InputUncertainties& uncertainties);

// As an HTML document for a text view, and as plain text for the clipboard.
[[nodiscard]] QString NumbersHtml(const HeadNumbers& numbers);
[[nodiscard]] QString NumbersText(const HeadNumbers& numbers);
// As plain text in aligned columns, for a fixed-width font: quick to lay out
// at every move of the active row.
[[nodiscard]] QString NumbersAligned(const HeadNumbers& numbers);

} // namespace orv::ui
