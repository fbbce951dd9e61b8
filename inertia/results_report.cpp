// Stores the fourteen results in single precision and writes the report:
// the principal moments and angles as three columns, and the tensor with
// Izc', the equivalent volume and the semi-axes a, b, c of an ellipsoid of
// that volume shaped by the diagonal moments.
#include "inertia/computation_state.h"

#include "numeric/constants.h"
#include "numeric/number_text.h"

namespace orv::inertia {
namespace {

constexpr int kReportDecimals = 3;

void StoreItem(float& field, const MatrixObject& matrix, int row, int column)
{
    Try([&] { field = ToSingle(matrix.Item(row, column)); });
}

void WriteText(EllipsoidReport* report, std::string EllipsoidReport::*box,
               const MatrixObject& matrix)
{
    if (report)
        Try([&] { report->*box = matrix.ToText(kReportDecimals, ""); });
}

void ComputeSemiAxes(ComputationState& state, const ClubResults& results)
{
    Try([&] {
        const long double product = static_cast<long double>(results.IxxC) * results.IyyC
                                    * results.IzzC;
        const long double scaled = static_cast<long double>(results.EllipsoidVolume)
                                   * CheckedSqrt(product) * 3.0L;
        const long double quotient = Checked(scaled / static_cast<long double>(4.0 * kPi));
        state.K = static_cast<double>(CheckedPow(quotient, static_cast<long double>(1.0 / 3.0)));
    });
    const auto semiAxis = [&](double& axis, float diagonalMoment) {
        Try([&] {
            axis = CheckedDivide(state.K, CheckedSqrt(static_cast<double>(diagonalMoment)));
        });
    };
    semiAxis(state.a, results.IxxC);
    semiAxis(state.b, results.IyyC);
    semiAxis(state.cAxis, results.IzzC);
}

std::string ReportTail(const ComputationState& state)
{
    return "\r\nIzc' = " + FormatSingle(state.IzcPrime) + "\r\nEquivalent Ellipsoid Volume = "
           + FormatSingle(state.V) + "\r\na = " + FormatRounded(state.a, 2) + "cm; b = "
           + FormatRounded(state.b, 2) + "cm; c = " + FormatRounded(state.cAxis, 2) + "cm";
}

} // namespace

void StoreResults(ComputationState& state, ClubResults& results, EllipsoidReport* report)
{
    WriteText(report, &EllipsoidReport::Text1, state.Values);
    StoreItem(results.EigenX, state.Values, 0, 0);
    StoreItem(results.EigenY, state.Values, 1, 0);
    StoreItem(results.EigenZ, state.Values, 2, 0);
    WriteText(report, &EllipsoidReport::Text2, state.Ths);
    StoreItem(results.ThsX, state.Ths, 0, 0);
    StoreItem(results.ThsY, state.Ths, 1, 0);
    StoreItem(results.ThsZ, state.Ths, 2, 0);
    WriteText(report, &EllipsoidReport::Text3, state.Phs);
    StoreItem(results.PhsX, state.Phs, 0, 0);
    StoreItem(results.PhsY, state.Phs, 1, 0);
    StoreItem(results.PhsZ, state.Phs, 2, 0);
    StoreItem(results.IxxC, state.T, 0, 0);
    StoreItem(results.IyyC, state.T, 1, 1);
    StoreItem(results.IzzC, state.T, 2, 2);
    results.EllipsoidVolume = state.V;
    results.IzcPrime = state.IzcPrime;

    if (!report)
        return;
    ComputeSemiAxes(state, results);
    Try([&] { report->Text4 = state.T.ToText(kReportDecimals, "") + ReportTail(state); });
}

} // namespace orv::inertia
