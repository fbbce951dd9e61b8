#include "inertia/ellipsoid_of_inertia.h"

#include "inertia/internal/computation_state.h"

namespace orv {

void inertia::RunStages(ComputationState& state)
{
    ComputeInertiaTensor(state);
    ComputePrincipalAxes(state);
    ComputeLieAxisMoment(state);
    ComputeEquivalentVolume(state);
}

inertia::Computed inertia::Compute(const ClubMeasurements& club)
{
    ComputationState state(club);
    RunStages(state);
    Computed computed;
    computed.geometry = GeometryOf(state);
    StoreResults(computed.geometry, computed.results);
    computed.geometry.reportSemiAxes = ReportSemiAxes(computed.results).abc;
    return computed;
}

EllipsoidOfInertia ComputeEllipsoidOfInertia(const ClubMeasurements& club, ReportTexts texts)
{
    inertia::Computed computed = inertia::Compute(club);
    EllipsoidOfInertia outcome;
    if (texts == ReportTexts::Include)
        outcome.Report = inertia::ReportOf(computed.geometry, computed.results);
    outcome.Findings = inertia::FindingsOf(club, computed.geometry);
    outcome.Geometry = computed.geometry;
    outcome.Results = computed.results;
    return outcome;
}

} // namespace orv
