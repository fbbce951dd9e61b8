// Reads the geometry out of the stages' matrices. The principal axes are
// taken as they stand after the negation and reversal, so the stored angles
// describe exactly these vectors.
#include "inertia/internal/computation_state.h"

#include <cmath>
#include <limits>

namespace orv::inertia {
namespace {

bool HasThreeRows(const MatrixObject& column) { return column.RowCount() == 3; }

// An element the computation may not have reached reads 0.
double ItemOrZero(const MatrixObject& matrix, int row, int column)
{
    if (row >= matrix.RowCount() || column >= matrix.ColCount())
        return 0;
    return matrix.Item(row, column);
}

double RadiusOfGyration(double moment, float mass)
{
    if (!(mass > 0) || !(moment >= 0))
        return std::numeric_limits<double>::quiet_NaN();
    return std::sqrt(moment / mass);
}

} // namespace

EllipsoidGeometry GeometryOf(const ComputationState& state)
{
    EllipsoidGeometry geometry;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            geometry.tensor[i][j] = ItemOrZero(state.T, i, j);

    geometry.principalAxesFound = HasThreeRows(state.Values) && HasThreeRows(state.X)
                                  && HasThreeRows(state.Y) && HasThreeRows(state.Z);
    for (int i = 0; i < 3; ++i) {
        geometry.ths[i] = ItemOrZero(state.Ths, i, 0);
        geometry.phs[i] = ItemOrZero(state.Phs, i, 0);
        geometry.semiAxes[i] = ItemOrZero(state.s, i, 0);
        if (!geometry.principalAxesFound)
            continue;
        geometry.principalMoments[i] = state.Values.Item(i, 0);
        geometry.principalAxes[i] = {state.X.Item(i, 0), state.Y.Item(i, 0), state.Z.Item(i, 0)};
        geometry.radiiOfGyration[i] = RadiusOfGyration(geometry.principalMoments[i], state.m);
    }
    geometry.raisedToFloor = state.raisedToFloor;
    geometry.cutAtCap = state.cutAtCap;
    geometry.equivalentVolume = state.V;
    geometry.izcPrime = state.IzcPrime;
    return geometry;
}

} // namespace orv::inertia
