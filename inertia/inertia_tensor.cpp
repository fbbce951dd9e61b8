// Moves the six readings about lines through the measuring origin to the
// parallel lines through the centre of gravity and forms the tensor. Each
// measurement line is rotated onto the z axis, where its squared distance to
// the centre of gravity is simply x^2 + y^2.
#include "inertia/internal/computation_state.h"

#include "numeric/rotate_vector.h"

namespace orv::inertia {
namespace {

double SquaredDistanceToZAxis(const Vec3& v)
{
    const double x = v.x;
    const double y = v.y;
    return x * x + y * y;
}

void Transfer(const ComputationState& state, double& moment, float reading, const Vec3& offset)
{
    Try([&] { moment = Checked(reading - state.m * SquaredDistanceToZAxis(offset)); });
}

void ProductOfInertia(double& element, double diagonalMoment, double first, double second)
{
    Try([&] { element = Checked(diagonalMoment - 0.5 * Checked(first + second)); });
}

} // namespace

void ComputeInertiaTensor(ComputationState& state)
{
    RotateCentre(state);
    TransferToCentre(state);
}

void RotateCentre(ComputationState& state)
{
    const ClubMeasurements& club = state.club;
    Try([&] { state.c.x = ToSingle(club.CMx / 10.0); });
    Try([&] { state.c.y = ToSingle(club.CMy / 10.0); });
    Try([&] { state.c.z = ToSingle(club.CMz / 10.0); });

    Try([&] { state.cx = RotateVector(state.c, "Y", 90); });
    Try([&] { state.cy = RotateVector(state.c, "X", 90); });
    Try([&] { state.cxy = RotateVector(state.cx, "X", -45); });
    Try([&] { state.cyz = RotateVector(state.c, "X", 45); });
    Try([&] { state.czx = RotateVector(state.c, "Y", -45); });
}

void TransferToCentre(ComputationState& state)
{
    const ClubMeasurements& club = state.club;
    Try([&] { state.m = ToSingle(club.Mass / 1000.0); });

    Transfer(state, state.Jx, club.Ixx, state.cx);
    Transfer(state, state.Jy, club.Iyy, state.cy);
    Transfer(state, state.Jz, club.Izz, state.c);
    Transfer(state, state.Jxy, club.Ixy, state.cxy);
    Transfer(state, state.Jyz, club.Iyz, state.cyz);
    Transfer(state, state.Jzx, club.Izx, state.czx);

    ProductOfInertia(state.Txy, state.Jxy, state.Jx, state.Jy);
    ProductOfInertia(state.Tyz, state.Jyz, state.Jy, state.Jz);
    ProductOfInertia(state.Tzx, state.Jzx, state.Jz, state.Jx);

    MatrixObject& T = state.T;
    Try([&] { T.Resize(3, 3); });
    Try([&] { T.SetItem(0, 0, state.Jx); });
    Try([&] { T.SetItem(0, 1, state.Txy); });
    Try([&] { T.SetItem(0, 2, state.Tzx); });
    Try([&] { T.SetItem(1, 0, state.Txy); });
    Try([&] { T.SetItem(1, 1, state.Jy); });
    Try([&] { T.SetItem(1, 2, state.Tyz); });
    Try([&] { T.SetItem(2, 0, state.Tzx); });
    Try([&] { T.SetItem(2, 1, state.Tyz); });
    Try([&] { T.SetItem(2, 2, state.Jz); });
}

} // namespace orv::inertia
