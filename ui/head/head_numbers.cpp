#include "ui/head/head_numbers.h"

#include "ui/head/instrument_uncertainties.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace orv::ui {
namespace {

// The values whose uncertainties the head window gives beyond the fourteen
// results, in this order: the tensor's nine elements, the three radii of
// gyration, the three semi-axes, the equivalent volume, a, b, c.
constexpr int kTensor = 0;
constexpr int kRadii = 9;
constexpr int kSemiAxes = 12;
constexpr int kVolume = 15;
constexpr int kReportAxes = 16;

std::vector<double> GeometryValues(const ClubMeasurements& club)
{
    const EllipsoidGeometry g = ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Geometry;
    std::vector<double> values;
    for (const Vector3& row : g.tensor)
        values.insert(values.end(), row.begin(), row.end());
    values.insert(values.end(), g.radiiOfGyration.begin(), g.radiiOfGyration.end());
    values.insert(values.end(), g.semiAxes.begin(), g.semiAxes.end());
    values.push_back(g.equivalentVolume);
    values.insert(values.end(), g.reportSemiAxes.begin(), g.reportSemiAxes.end());
    return values;
}

QString Number(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("\u2014");
    return QString::number(value, 'f', decimals);
}

// "± 0.0123", "± —" where there is no derivative, nothing without
// uncertainties.
QString PlusMinus(const std::optional<double>& u)
{
    if (!u)
        return {};
    if (!std::isfinite(*u))
        return QStringLiteral(" \u00B1 \u2014");
    return QStringLiteral(" \u00B1 ") + QString::number(*u, 'g', 3);
}

class Sheet {
public:
    explicit Sheet(const HeadNumbers& n)
        : m_n(n)
    {
    }

    std::optional<double> ResultU(int k) const
    {
        return m_n.resultUncertainties ? std::optional<double>((*m_n.resultUncertainties)[k])
                                       : std::nullopt;
    }
    std::optional<double> GeometryU(int k) const
    {
        return m_n.geometryUncertainties ? std::optional<double>((*m_n.geometryUncertainties)[k])
                                         : std::nullopt;
    }

    void Heading(const QString& text)
    {
        m_html += QStringLiteral("<h3>") + text.toHtmlEscaped() + QStringLiteral("</h3>");
        m_text += QStringLiteral("\n") + text + QStringLiteral("\n");
        m_aligned += QStringLiteral("\n") + text + u'\n' + QString(text.size(), u'-') + u'\n';
    }
    void Table(const QStringList& header, const std::vector<QStringList>& rows)
    {
        m_html += QStringLiteral("<table cellspacing=0 cellpadding=2>");
        if (!header.isEmpty()) {
            m_html += QStringLiteral("<tr>");
            for (const QString& cell : header)
                m_html += QStringLiteral("<th align=right>") + cell.toHtmlEscaped()
                          + QStringLiteral("</th>");
            m_html += QStringLiteral("</tr>");
            m_text += header.join(u'\t') + u'\n';
        }
        for (const QStringList& row : rows) {
            m_html += QStringLiteral("<tr>");
            for (int c = 0; c < row.size(); ++c)
                m_html += (c == 0 ? QStringLiteral("<td>") : QStringLiteral("<td align=right>"))
                          + row[c].toHtmlEscaped() + QStringLiteral("</td>");
            m_html += QStringLiteral("</tr>");
            m_text += row.join(u'\t') + u'\n';
        }
        m_html += QStringLiteral("</table>");
        // Columns padded to their widest cell, numbers to the right.
        std::vector<QStringList> lines = rows;
        if (!header.isEmpty())
            lines.insert(lines.begin(), header);
        std::vector<qsizetype> widths;
        for (const QStringList& line : lines)
            for (int c = 0; c < line.size(); ++c) {
                if (static_cast<std::size_t>(c) >= widths.size())
                    widths.push_back(0);
                widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)],
                                                               line[c].size());
            }
        for (const QStringList& line : lines) {
            QString aligned;
            for (int c = 0; c < line.size(); ++c) {
                const qsizetype width = widths[static_cast<std::size_t>(c)];
                aligned += (c > 0 ? QStringLiteral("  ") : QString())
                           + (c == 0 ? line[c].leftJustified(width)
                                     : line[c].rightJustified(width));
            }
            while (aligned.endsWith(u' '))
                aligned.chop(1);
            m_aligned += aligned + u'\n';
        }
    }
    void Paragraph(const QString& text)
    {
        m_html += QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
        m_text += text + u'\n';
        m_aligned += text + u'\n';
    }

    QString m_html;
    QString m_text;
    QString m_aligned;

private:
    const HeadNumbers& m_n;
};

Sheet Build(const HeadNumbers& n)
{
    Sheet sheet(n);
    const EllipsoidGeometry& g = n.outcome.Geometry;
    const QString kgcm2 = QStringLiteral("kg\u00B7cm\u00B2");
    const char* names[3] = {"x", "y", "z"};

    sheet.Heading(
        QStringLiteral("Head %1: %2")
            .arg(QString::fromStdString(n.club.ClubNo), QString::fromStdString(n.club.ClubName)));

    sheet.Heading(QStringLiteral("Inertia tensor about the centre of gravity (%1)").arg(kgcm2));
    std::vector<QStringList> rows;
    for (int i = 0; i < 3; ++i) {
        QStringList row{QString::fromLatin1(names[i])};
        for (int j = 0; j < 3; ++j)
            row << Number(g.tensor[i][j], 4) + PlusMinus(sheet.GeometryU(kTensor + 3 * i + j));
        rows.push_back(row);
    }
    sheet.Table({QString(), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}, rows);
    const Vector3 p = ProductsOfInertia(g);
    sheet.Paragraph(QStringLiteral("Products of inertia, P = \u222B xy dm = \u2212T: Pxy %1, "
                                   "Pyz %2, Pzx %3 %4.")
                        .arg(Number(p[0], 4), Number(p[1], 4), Number(p[2], 4), kgcm2));

    sheet.Heading(
        QStringLiteral("Principal axes (moments in %1, radii of gyration in cm)").arg(kgcm2));
    rows.clear();
    const char* results[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        const Vector3& a = g.principalAxes[i];
        rows.push_back(
            {QString::fromLatin1(results[i]),
             Number(g.principalMoments[i], 4) + PlusMinus(sheet.ResultU(i)),
             QStringLiteral("(%1, %2, %3)").arg(Number(a[0], 3), Number(a[1], 3), Number(a[2], 3)),
             Number(g.ths[i], 2) + PlusMinus(sheet.ResultU(3 + i)),
             Number(g.phs[i], 2) + PlusMinus(sheet.ResultU(6 + i)),
             Number(g.radiiOfGyration[i], 3) + PlusMinus(sheet.GeometryU(kRadii + i))});
    }
    sheet.Table({QString(), QStringLiteral("Moment"), QStringLiteral("Unit axis (x, y, z)"),
                 QStringLiteral("Ths (\u00B0)"), QStringLiteral("Phs (\u00B0)"),
                 QStringLiteral("Radius")},
                rows);

    sheet.Heading(QStringLiteral("Equivalent ellipsoid"));
    rows.clear();
    rows.push_back({QStringLiteral("Semi-axes (mm)"),
                    Number(g.semiAxes[0], 2) + PlusMinus(sheet.GeometryU(kSemiAxes)),
                    Number(g.semiAxes[1], 2) + PlusMinus(sheet.GeometryU(kSemiAxes + 1)),
                    Number(g.semiAxes[2], 2) + PlusMinus(sheet.GeometryU(kSemiAxes + 2))});
    rows.push_back({QStringLiteral("Report's a, b, c (cm)"),
                    Number(g.reportSemiAxes[0], 3) + PlusMinus(sheet.GeometryU(kReportAxes)),
                    Number(g.reportSemiAxes[1], 3) + PlusMinus(sheet.GeometryU(kReportAxes + 1)),
                    Number(g.reportSemiAxes[2], 3) + PlusMinus(sheet.GeometryU(kReportAxes + 2))});
    sheet.Table({}, rows);
    sheet.Paragraph(QStringLiteral("Volume %1 cc%2. Izc' %3 %4%5 at the lie angle of %6\u00B0.")
                        .arg(Number(g.equivalentVolume, 2), PlusMinus(sheet.GeometryU(kVolume)),
                             Number(g.izcPrime, 4), kgcm2, PlusMinus(sheet.ResultU(12)),
                             QString::number(n.club.LieAngle)));

    sheet.Heading(QStringLiteral("Driver rules (woods only)"));
    const RuleCheck& m = n.rules.moment;
    const RuleCheck& v = n.rules.volume;
    const auto u = [&](double value) {
        return n.resultUncertainties ? PlusMinus(value) : QString();
    };
    sheet.Table({QString(), QStringLiteral("Value"), QStringLiteral("Limit"),
                 QStringLiteral("Margin"), QStringLiteral("Verdict")},
                {{QStringLiteral("Izc' at a 60\u00B0 lie (%1)").arg(kgcm2),
                  Number(m.value, 4) + u(m.uncertainty), Number(m.limit, 1),
                  QStringLiteral("%1 g\u00B7cm\u00B2").arg(Number(n.rules.MarginAt60(), 0)),
                  QString::fromLatin1(VerdictName(m.verdict))},
                 {QStringLiteral("Volume (cc)"), Number(v.value, 1) + u(v.uncertainty),
                  Number(v.limit, 0), QStringLiteral("%1 cc").arg(Number(v.limit - v.value, 1)),
                  QString::fromLatin1(VerdictName(v.verdict))}});

    sheet.Heading(QStringLiteral("Findings"));
    if (n.outcome.Findings.empty())
        sheet.Paragraph(QStringLiteral("None: the readings can be a rigid body's."));
    for (const Finding& finding : n.outcome.Findings)
        sheet.Paragraph(QString::fromStdString(finding.text));
    for (const RepairHint& hint : n.hints)
        sheet.Paragraph(QString::fromStdString(hint.text));
    return sheet;
}

} // namespace

HeadNumbers ComputeHeadNumbers(const ClubMeasurements& entered,
                               const InputUncertainties& uncertainties)
{
    HeadNumbers n;
    n.club = AsCalculated(entered);
    n.outcome = ComputeEllipsoidOfInertia(n.club, ReportTexts::Skip);
    n.rules = CheckDriverRules(n.club, uncertainties);
    n.hints = RepairHintsOf(n.club);
    if (AnyKnown(uncertainties)) {
        n.resultUncertainties = UncertaintiesOf(n.club, uncertainties);
        n.geometryUncertainties = UncertaintiesOfValues(n.club, uncertainties, GeometryValues);
    }
    return n;
}

QString NumbersHtml(const HeadNumbers& numbers) { return Build(numbers).m_html; }

QString NumbersText(const HeadNumbers& numbers) { return Build(numbers).m_text.trimmed(); }

QString NumbersAligned(const HeadNumbers& numbers) { return Build(numbers).m_aligned.trimmed(); }

} // namespace orv::ui
