#include "inertia/ellipsoid_of_inertia.h"

#include "inertia/computation_state.h"

namespace orv {

void inertia::RunStages(ComputationState& state)
{
    ComputeInertiaTensor(state);
    ComputePrincipalAxes(state);
    ComputeLieAxisMoment(state);
    ComputeEquivalentVolume(state);
}

EllipsoidOfInertia ComputeEllipsoidOfInertia(const ClubMeasurements& club, ReportTexts texts)
{
    inertia::ComputationState state(club);
    inertia::RunStages(state);

    EllipsoidOfInertia outcome;
    inertia::StoreResults(state, outcome.Results,
                          texts == ReportTexts::Include ? &outcome.Report : nullptr);
    outcome.Findings = inertia::FindingsOf(state);
    return outcome;
}

} // namespace orv
