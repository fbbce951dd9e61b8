// Stores the fourteen results in single precision and writes the report:
// the principal moments and angles as three columns, and the tensor with
// Izc', the equivalent volume and the semi-axes a, b, c of an ellipsoid of
// that volume shaped by the diagonal moments.
#include "inertia/internal/computation_state.h"

#include "numeric/constants.h"
#include "numeric/number_text.h"
#include "numeric/third_power.h"

namespace orv::inertia {
namespace {

constexpr int kReportDecimals = 3;

void Store(float& field, double value)
{
    Try([&] { field = ToSingle(value); });
}

MatrixObject Column(const Vector3& values)
{
    MatrixObject column;
    column.Resize(3, 1);
    for (int i = 0; i < 3; ++i)
        column.SetItem(i, 0, values[i]);
    return column;
}

MatrixObject Square(const Matrix3& values)
{
    MatrixObject square;
    square.Resize(3, 3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            square.SetItem(i, j, values[i][j]);
    return square;
}

std::string Text(const MatrixObject& matrix)
{
    std::string text;
    Try([&] { text = matrix.ToText(kReportDecimals, ""); });
    return text;
}

std::string ReportTail(const ClubResults& results, const Vector3& abc)
{
    return "\r\nIzc' = " + FormatSingle(results.IzcPrime) + "\r\nEquivalent Ellipsoid Volume = "
           + FormatSingle(results.EllipsoidVolume) + "\r\na = " + FormatRounded(abc[0], 2)
           + "cm; b = " + FormatRounded(abc[1], 2) + "cm; c = " + FormatRounded(abc[2], 2) + "cm";
}

} // namespace

void StoreResults(const EllipsoidGeometry& geometry, ClubResults& results)
{
    Store(results.EigenX, geometry.principalMoments[0]);
    Store(results.EigenY, geometry.principalMoments[1]);
    Store(results.EigenZ, geometry.principalMoments[2]);
    Store(results.ThsX, geometry.ths[0]);
    Store(results.ThsY, geometry.ths[1]);
    Store(results.ThsZ, geometry.ths[2]);
    Store(results.PhsX, geometry.phs[0]);
    Store(results.PhsY, geometry.phs[1]);
    Store(results.PhsZ, geometry.phs[2]);
    Store(results.IxxC, geometry.tensor[0][0]);
    Store(results.IyyC, geometry.tensor[1][1]);
    Store(results.IzzC, geometry.tensor[2][2]);
    Store(results.EllipsoidVolume, geometry.equivalentVolume);
    Store(results.IzcPrime, geometry.izcPrime);
}

ReportAxes ReportSemiAxes(const ClubResults& results)
{
    ReportAxes axes;
    Try([&] {
        const long double product = static_cast<long double>(results.IxxC) * results.IyyC
                                    * results.IzzC;
        const long double scaled = static_cast<long double>(results.EllipsoidVolume)
                                   * CheckedSqrt(product) * 3.0L;
        const long double quotient = Checked(scaled / static_cast<long double>(4.0 * kPi));
        axes.K = ThirdPowerToDouble(quotient);
    });
    const float diagonal[] = {results.IxxC, results.IyyC, results.IzzC};
    for (int i = 0; i < 3; ++i)
        Try([&] {
            axes.abc[i] = CheckedDivide(axes.K, CheckedSqrt(static_cast<double>(diagonal[i])));
        });
    return axes;
}

EllipsoidReport ReportOf(const EllipsoidGeometry& geometry, const ClubResults& results)
{
    EllipsoidReport report;
    // Without principal axes there are no moments to list.
    report.Text1 = geometry.principalAxesFound ? Text(Column(geometry.principalMoments)) : "";
    report.Text2 = Text(Column(geometry.ths));
    report.Text3 = Text(Column(geometry.phs));
    Try([&] {
        report.Text4 = Square(geometry.tensor).ToText(kReportDecimals, "")
                       + ReportTail(results, geometry.reportSemiAxes);
    });
    return report;
}

} // namespace orv::inertia
