// Decomposes the tensor into principal moments and axes and describes each
// axis by its polar angle from +z (Ths) and its azimuth from +x (Phs). The
// component's eigenvectors are negated and its eigenpairs taken in reverse
// order, which decides which moment is stored first and which of an axis's
// two directions the angles describe.
#include "inertia/internal/computation_state.h"

#include "numeric/atan2.h"
#include "numeric/constants.h"

#include <cmath>

namespace orv::inertia {
namespace {

double ToDegrees(float radians)
{
    return static_cast<double>(static_cast<long double>(radians) * 180.0L
                               / static_cast<long double>(kPi));
}

void ColumnOfRow(MatrixObject& target, const MatrixObject& vectors, int row)
{
    Try([&] { target = vectors.Row(row).Transpose(); });
}

} // namespace

void ComputePrincipalAxes(ComputationState& state)
{
    Try([&] {
        state.T.Eigen(state.Values, state.ValuesImaginary, state.Vectors, state.VectorsImaginary);
    });

    const int n = state.Values.RowCount() - 1;
    if (n >= 0)
        state.Order.assign(static_cast<std::size_t>(n) + 1, 0);
    int k = n;
    for (int i = 0; i < state.Vectors.RowCount(); ++i) {
        Try([&] {
            if (i >= static_cast<int>(state.Order.size()))
                throw MatrixError("Subscript out of range");
            state.Order[i] = k;
        });
        --k;
        for (int j = 0; j < state.Vectors.ColCount(); ++j)
            Try([&] { state.Vectors.SetItem(i, j, -state.Vectors.Item(i, j)); });
    }

    Try([&] { state.Values.PermuteRows(state.Order); });
    Try([&] { state.Vectors.PermuteColumns(state.Order); });

    ColumnOfRow(state.X, state.Vectors, 0);
    ColumnOfRow(state.Y, state.Vectors, 1);
    ColumnOfRow(state.Z, state.Vectors, 2);

    Try([&] { state.S = Checked(state.Values.Sum(0)); });
    Try([&] { state.Phs.Resize(3, 1); });
    Try([&] { state.Ths.Resize(3, 1); });
    Try([&] { state.q.Resize(3, 1); });
    Try([&] { state.s.Resize(3, 1); });

    for (int i = 0; i < state.Values.RowCount(); ++i) {
        Try([&] {
            const float phs = Atan2(ToSingle(state.Y.Item(i, 0)), ToSingle(state.X.Item(i, 0)));
            state.Phs.SetItem(i, 0, ToDegrees(phs));
        });
        Try([&] {
            const double x = state.X.Item(i, 0);
            const double y = state.Y.Item(i, 0);
            state.r = CheckedSqrt(Checked(x * x + y * y));
        });
        Try([&] {
            const float ths = Atan2(ToSingle(state.r), ToSingle(state.Z.Item(i, 0)));
            state.Ths.SetItem(i, 0, ToDegrees(ths));
        });
        ComputeAxisEllipsoid(state, i);
    }
}

} // namespace orv::inertia
