#include "inertia/ellipsoid_of_inertia.h"

#include "inertia/computation_state.h"

namespace orv {

EllipsoidOfInertia ComputeEllipsoidOfInertia(const ClubMeasurements& club, ReportTexts texts)
{
    inertia::ComputationState state(club);
    inertia::ComputeInertiaTensor(state);
    inertia::ComputePrincipalAxes(state);
    inertia::ComputeLieAxisMoment(state);
    inertia::ComputeEquivalentVolume(state);

    EllipsoidOfInertia outcome;
    inertia::StoreResults(state, outcome.Results,
                          texts == ReportTexts::Include ? &outcome.Report : nullptr);
    return outcome;
}

} // namespace orv
