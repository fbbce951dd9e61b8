// The scratch values of one computation and the rule every step runs under.
// The stages share it; tests read its intermediate values through it.
#pragma once

#include "clubs/club_record.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/matrix_object.h"
#include "numeric/arithmetic_error.h"
#include "numeric/vec3.h"

#include <vector>

namespace orv::inertia {

// Runs one step; a failed step is abandoned and the computation goes on.
template <typename Step> void Try(Step&& step)
{
    try {
        step();
    } catch (const ArithmeticError&) {
    } catch (const MatrixError&) {
    }
}

// Values that a failed step never set read 0, as the computation relies on.
struct ComputationState {
    explicit ComputationState(const ClubMeasurements& measured)
        : club(measured)
    {
    }

    const ClubMeasurements& club;

    // Inertia tensor about the centre of gravity.
    Vec3 c, cx, cy, cxy, cyz, czx;
    float m = 0.0f;
    double Jx = 0, Jy = 0, Jz = 0, Jxy = 0, Jyz = 0, Jzx = 0;
    double Txy = 0, Tyz = 0, Tzx = 0;
    MatrixObject T;

    // Principal moments and axes.
    MatrixObject Values, ValuesImaginary, Vectors, VectorsImaginary;
    std::vector<int> Order;
    MatrixObject X, Y, Z, Phs, Ths;
    double r = 0;

    // Equivalent ellipsoid and lie-axis moment.
    double S = 0;
    MatrixObject q, s, u;
    double L = 0, A = 0;
    float IzcPrime = 0.0f;
    double P = 0, Vell = 0, k = 0;
    float V = 0.0f;
    double K = 0, a = 0, b = 0, cAxis = 0;
    // Whether a semi-axis was raised to the floor or cut at the cap.
    bool raisedToFloor = false;
    bool cutAtCap = false;
};

// The stages up to the results, in their order.
void RunStages(ComputationState& state);

void ComputeInertiaTensor(ComputationState& state);
void ComputePrincipalAxes(ComputationState& state);
void ComputeAxisEllipsoid(ComputationState& state, int axis);
void ComputeLieAxisMoment(ComputationState& state);
void ComputeEquivalentVolume(ComputationState& state);
void StoreResults(ComputationState& state, ClubResults& results, EllipsoidReport* report);
// Whether two principal moments are too close, against the largest, for real
// instruments to tell their axes apart.
[[nodiscard]] bool IndistinctMoments(double a, double b, double largest);
// What the measurements and the computation say about the readings.
[[nodiscard]] std::vector<Finding> FindingsOf(const ComputationState& state);

} // namespace orv::inertia
