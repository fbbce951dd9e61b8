// The scratch values of one computation and the rule every step runs under.
// Only the computation's own files and its tests include this header; the
// rest of the program sees the result types of ellipsoid_of_inertia.h.
#pragma once

#include "clubs/club_record.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/internal/matrix_object.h"
#include "numeric/arithmetic_error.h"
#include "numeric/vec3.h"

#include <array>
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
    // Izc' and the equivalent volume V before their rounding to single
    // precision, which storing the results does.
    double IzcPrime = 0;
    double P = 0, Vell = 0, k = 0;
    double V = 0;
    // Whether a semi-axis was raised to the floor or cut at the cap.
    bool raisedToFloor = false;
    bool cutAtCap = false;
};

// The stages up to the results, in their order.
void RunStages(ComputationState& state);

void ComputeInertiaTensor(ComputationState& state);
// The two halves of the tensor stage: the centre of gravity turned onto each
// measurement line (it depends on the centre alone), then the readings moved
// to the centre and the tensor formed.
void RotateCentre(ComputationState& state);
void TransferToCentre(ComputationState& state);
void ComputePrincipalAxes(ComputationState& state);
void ComputeAxisEllipsoid(ComputationState& state, int axis);
void ComputeLieAxisMoment(ComputationState& state);
void ComputeEquivalentVolume(ComputationState& state);

// The geometry the stages settled; the report's semi-axes are left to
// ReportSemiAxes, which needs the stored results.
[[nodiscard]] EllipsoidGeometry GeometryOf(const ComputationState& state);
// The fourteen results, rounded to single precision from the geometry.
void StoreResults(const EllipsoidGeometry& geometry, ClubResults& results);

// The report's a, b, c and the factor K they share, from the stored
// diagonal moments and volume; an axis whose step failed reads 0.
struct ReportAxes {
    double K = 0;
    Vector3 abc{};
};
[[nodiscard]] ReportAxes ReportSemiAxes(const ClubResults& results);
[[nodiscard]] EllipsoidReport ReportOf(const EllipsoidGeometry& geometry,
                                       const ClubResults& results);

// One club through every stage: its geometry (report semi-axes included)
// and its stored results.
struct Computed {
    EllipsoidGeometry geometry;
    ClubResults results;
};
[[nodiscard]] Computed Compute(const ClubMeasurements& club);

// Whether two principal moments are too close, against the largest, for real
// instruments to tell their axes apart.
[[nodiscard]] bool IndistinctMoments(double a, double b, double largest);
// What no rigid body has: a principal moment not above 0, or one larger than
// the sum of the other two (beyond rounding, against the largest).
[[nodiscard]] bool NotPositiveDefinite(const std::array<double, 3>& moments);
[[nodiscard]] bool BreaksTriangleInequality(double moment, double sumOfTheOthers, double largest);
// Neither of those: the moments can be a rigid body's.
[[nodiscard]] bool FitsARigidBody(const std::array<double, 3>& moments);
// What the measurements and the computation say about the readings.
[[nodiscard]] std::vector<Finding> FindingsOf(const ClubMeasurements& club,
                                              const EllipsoidGeometry& geometry);

} // namespace orv::inertia
