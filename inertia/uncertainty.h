// How uncertain each of the fourteen results is, given how uncertain the
// readings are: first-order propagation of independent input uncertainties
// through the computation itself, with a numerical Jacobian.
//
// The angles' derivatives follow the axis, not its stored direction: each
// principal axis of a perturbed computation is turned to point the way the
// unperturbed one does before its angles are compared, and an angle's
// change is taken across the +-180 degree wrap. A result whose derivative
// does not exist gets an infinite uncertainty: the angles of two axes whose
// moments are within 1% of each other, the azimuth of an axis along z, the
// equivalent volume when a semi-axis met the floor or the cap, everything
// when a reading is not a finite number. Derivatives are taken of the
// computation's double-precision values, before their rounding to the
// stored singles, so that small ones are not quantised.
#pragma once

#include "clubs/club_record.h"

#include <array>
#include <functional>
#include <vector>

namespace orv {

// Standard uncertainties of the inputs; 0 means exact, and contributes
// nothing.
struct InputUncertainties {
    double mass = 0;    // g
    double centre = 0;  // mm, for each of CMx, CMy and CMz
    double reading = 0; // kg-cm^2 for each of the six readings, or % of it
    bool readingInPercent = false;
    double volume = 0;   // cc
    double lieAngle = 0; // degrees

    friend bool operator==(const InputUncertainties&, const InputUncertainties&) = default;
};

// Whether any input's uncertainty is known.
[[nodiscard]] inline bool AnyKnown(const InputUncertainties& u)
{
    return u.mass > 0 || u.centre > 0 || u.reading > 0 || u.volume > 0 || u.lieAngle > 0;
}

// The standard uncertainty of each result in the order of kResultReals and
// in its unit (degrees for the angles).
using ResultUncertainties = std::array<double, kResultReals.size()>;

// The computation as the editor's Calculate runs it (the azimuth at 180).
[[nodiscard]] ResultUncertainties UncertaintiesOf(const ClubMeasurements& club,
                                                  const InputUncertainties& inputs);

// The standard uncertainty of any one value computed from the
// measurements, by the same propagation; infinite where it has no
// derivative.
[[nodiscard]] double UncertaintyOf(const ClubMeasurements& club, const InputUncertainties& inputs,
                                   const std::function<double(const ClubMeasurements&)>& value);
// The same for several values at once (each perturbation computed once).
[[nodiscard]] std::vector<double>
UncertaintiesOfValues(const ClubMeasurements& club, const InputUncertainties& inputs,
                      const std::function<std::vector<double>(const ClubMeasurements&)>& values);

} // namespace orv
