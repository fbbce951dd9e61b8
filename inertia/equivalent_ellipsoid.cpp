// The equivalent ellipsoid: the uniform solid ellipsoid with the head's mass
// and principal moments, its semi-axes held between 3 and 150 mm and scaled
// so that its volume matches the measured one; and the moment about the axis
// tilted from z by the lie angle.
#include "inertia/internal/computation_state.h"

#include "numeric/constants.h"

#include <cmath>

namespace orv::inertia {
namespace {

constexpr int kFloor = 3; // mm
constexpr int kCap = 150; // mm
constexpr double kEllipsoidFactor = 4.0 / 3.0 * kPi;

struct SinCos {
    double sin;
    double cos;
};

SinCos SineAndCosine(double radians)
{
    static const double halfTurn = 180 * kPi / 180.0;
    static const SinCos ofHalfTurn{std::sin(halfTurn), std::cos(halfTurn)};
    if (radians == halfTurn)
        return ofHalfTurn;
    return {std::sin(radians), std::cos(radians)};
}

} // namespace

void ComputeAxisEllipsoid(ComputationState& state, int axis)
{
    Try([&] { state.q.SetItem(axis, 0, Checked(state.S / 2.0 - state.Values.Item(axis, 0))); });
    Try([&] {
        const double massFactor = CheckedDivide(5.0, state.m);
        const double root = CheckedSqrt(Checked(massFactor * state.q.Item(axis, 0)));
        state.s.SetItem(axis, 0, Checked(10.0 * root));
    });
}

void ComputeLieAxisMoment(ComputationState& state)
{
    const ClubMeasurements& club = state.club;
    Try([&] { state.L = Checked(club.LieAngle * kPi / 180.0); });
    Try([&] { state.A = Checked(club.Azimuth * kPi / 180.0); });
    MatrixObject& u = state.u;
    Try([&] { u.Resize(3, 1); });
    // Each sine and cosine taken once; the azimuth is nearly always 180.
    const double sinL = std::sin(state.L);
    const SinCos azimuth = SineAndCosine(state.A);
    Try([&] { u.SetItem(0, 0, sinL * azimuth.cos); });
    Try([&] { u.SetItem(1, 0, sinL * azimuth.sin); });
    Try([&] { u.SetItem(2, 0, std::cos(state.L)); });
    Try([&] { state.IzcPrime = Checked(u.Transpose().Multiply(state.T).Multiply(u).Item(0, 0)); });
}

void ComputeEquivalentVolume(ComputationState& state)
{
    MatrixObject& s = state.s;
    const int axes = state.q.RowCount();

    bool anyZero = false;
    for (int i = 0; i < axes; ++i)
        Try([&] { anyZero = anyZero || s.Item(i, 0) == 0.0; });
    if (anyZero) {
        for (int i = 0; i < axes; ++i)
            Try([&] {
                if (s.Item(i, 0) < kFloor) {
                    s.SetItem(i, 0, kFloor);
                    state.raisedToFloor = true;
                }
            });
    }

    state.P = 1.0;
    for (int i = 0; i < axes; ++i)
        Try([&] { state.P = Checked(state.P * s.Item(i, 0)); });
    Try([&] { state.Vell = Checked(kEllipsoidFactor * state.P / 1000.0); });
    Try([&] { state.k = CheckedPow(CheckedDivide(state.club.Volume, state.Vell), 1.0 / 3.0); });

    state.P = 1.0;
    for (int i = 0; i < axes; ++i) {
        Try([&] { s.SetItem(i, 0, Checked(s.Item(i, 0) * state.k)); });
        Try([&] {
            if (s.Item(i, 0) > kCap) {
                s.SetItem(i, 0, kCap);
                state.cutAtCap = true;
            }
        });
        Try([&] { state.P = Checked(state.P * s.Item(i, 0)); });
    }
    Try([&] { state.V = Checked(kEllipsoidFactor * state.P / 1000.0); });
}

} // namespace orv::inertia
