#include "ui/report/measurement_report.h"

#include "inertia/driver_rules.h"
#include "orv_version.h"
#include "ui/head/head_numbers.h"
#include "ui/head/head_view.h"
#include "ui/head/instrument_uncertainties.h"
#include "ui/platform/picture_loader.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace orv::ui {
namespace {

constexpr double kMargin = 15; // mm on every side

// Draws in millimetres from the page's printable corner.
class Page {
public:
    Page(QPainter& painter, QPagedPaintDevice& device)
        : m_painter(painter)
        , m_perMm(device.logicalDpiX() / 25.4)
        , m_size(device.pageLayout().paintRect(QPageLayout::Millimeter).size())
    {
    }

    [[nodiscard]] double Width() const { return m_size.width(); }
    [[nodiscard]] double Height() const { return m_size.height(); }
    [[nodiscard]] QRectF Rect(double x, double y, double w, double h) const
    {
        return {x * m_perMm, y * m_perMm, w * m_perMm, h * m_perMm};
    }
    [[nodiscard]] double PerMm() const { return m_perMm; }

    // Text in a box, cut with "…" rather than beyond the box.
    void Text(double x, double y, double w, double h, const QString& text, const QFont& font,
              int flags = Qt::AlignLeft | Qt::AlignVCenter)
    {
        m_painter.setFont(font);
        const QFontMetricsF metrics(font, m_painter.device());
        const QString shown = metrics.elidedText(text, Qt::ElideRight, w * m_perMm);
        m_painter.drawText(Rect(x, y, w, h), flags, shown);
    }

    QPainter& Painter() { return m_painter; }

private:
    QPainter& m_painter;
    double m_perMm;
    QSizeF m_size;
};

QFont Font(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString Uncertainties(const InputUncertainties& u)
{
    if (!AnyKnown(u))
        return QStringLiteral("none given");
    QStringList parts;
    const auto add = [&](double value, const QString& text) {
        if (value > 0)
            parts << text.arg(value);
    };
    add(u.mass, QStringLiteral("mass %1 g"));
    add(u.centre, QStringLiteral("centre of gravity %1 mm"));
    add(u.reading, u.readingInPercent ? QStringLiteral("readings %1%")
                                      : QStringLiteral("readings %1 kg-cm\u00B2"));
    add(u.volume, QStringLiteral("volume %1 cc"));
    add(u.lieAngle, QStringLiteral("lie angle %1\u00B0"));
    return parts.join(QStringLiteral(", "));
}

QString Number(double value, int decimals)
{
    return std::isfinite(value) ? QString::number(value, 'f', decimals) : QStringLiteral("\u2014");
}

struct SummaryColumn {
    const char* header;
    double width; // mm
};

constexpr SummaryColumn kSummary[] = {
    {"Row", 9},     {"No.", 10},     {"Name", 28},    {"Mass", 13},
    {"Volume", 12}, {"Eigen-X", 13}, {"Eigen-Y", 13}, {"Eigen-Z", 13},
    {"Izc'", 12},   {"IzcAt60", 14}, {"Verdict", 19}, {"Findings", 0}, // the rest of the width
};

constexpr double kRowHeight = 5;
constexpr double kHeaderHeight = 24;
constexpr double kFooterHeight = 8;

int RowsPerSummaryPage(const Page& page)
{
    return std::max(
        1, static_cast<int>((page.Height() - kHeaderHeight - kFooterHeight - 12) / kRowHeight));
}

void Footer(Page& page, const ReportRequest& request, int number, int pages)
{
    const double y = page.Height() - kFooterHeight + 2;
    page.Text(
        0, y, page.Width() * 0.6, 5,
        QStringLiteral("ORV %1 \u2014 %2").arg(QLatin1String(kVersionText), request.documentName),
        Font(7));
    page.Text(page.Width() * 0.6, y, page.Width() * 0.4, 5,
              QStringLiteral("page %1 of %2").arg(number).arg(pages), Font(7),
              Qt::AlignRight | Qt::AlignVCenter);
}

void SummaryPage(Page& page, const ClubList& clubs, const ReportRequest& request,
                 const std::vector<HeadNumbers>& heads, std::size_t first, std::size_t last)
{
    page.Text(0, 0, page.Width(), 8, QStringLiteral("Measurement report"), Font(14, true));
    page.Text(0, 8, page.Width(), 5,
              QStringLiteral("Document: %1     Date: %2     ORV %3")
                  .arg(request.documentName.isEmpty() ? QStringLiteral("(not saved)")
                                                      : request.documentName,
                       QDate::currentDate().toString(Qt::ISODate), QLatin1String(kVersionText)),
              Font(8));
    page.Text(
        0, 13, page.Width(), 5,
        QStringLiteral("Instrument uncertainties: %1").arg(Uncertainties(request.uncertainties)),
        Font(8));
    page.Text(0, 18, page.Width(), 5,
              QStringLiteral("Moments in kg\u00B7cm\u00B2, volume in cc, mass in g. "
                             "Rows marked \u25B6 have findings: see the head's page."),
              Font(7));
    double y = kHeaderHeight;
    double x = 0;
    for (const SummaryColumn& column : kSummary) {
        const double w = column.width > 0 ? column.width : page.Width() - x;
        page.Text(x, y, w - 1, kRowHeight, QLatin1String(column.header), Font(7.5, true));
        x += w;
    }
    page.Painter().drawLine(page.Rect(0, y + kRowHeight, page.Width(), 0).topLeft(),
                            page.Rect(0, y + kRowHeight, page.Width(), 0).topRight());
    for (std::size_t i = first; i < last; ++i) {
        y += kRowHeight;
        const HeadNumbers& n = heads[i];
        const int row = request.rows[i];
        const ClubResults r = n.outcome.Results;
        QStringList findings;
        for (const Finding& finding : n.outcome.Findings)
            findings << QString::fromLatin1(FindingName(finding.code));
        const QString cells[] = {(findings.isEmpty() ? QString() : QStringLiteral("\u25B6 "))
                                     + QString::number(row),
                                 QString::fromStdString(clubs.At(row).Measurements.ClubNo),
                                 QString::fromStdString(clubs.At(row).Measurements.ClubName),
                                 Number(n.club.Mass, 2),
                                 Number(n.club.Volume, 1),
                                 Number(r.EigenX, 3),
                                 Number(r.EigenY, 3),
                                 Number(r.EigenZ, 3),
                                 Number(r.IzcPrime, 3),
                                 Number(n.rules.moment.value, 3),
                                 QString::fromLatin1(VerdictName(n.rules.moment.verdict)),
                                 findings.join(u' ')};
        x = 0;
        int c = 0;
        for (const SummaryColumn& column : kSummary) {
            const double w = column.width > 0 ? column.width : page.Width() - x;
            const bool number = c >= 3 && c <= 9;
            page.Text(x, y, w - 1.5, kRowHeight, cells[c], Font(7.5),
                      (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            x += w;
            ++c;
        }
    }
}

void HeadPage(Page& page, const ClubList& clubs, int row, const HeadNumbers& n)
{
    const ClubMeasurements& club = clubs.At(row).Measurements;
    page.Painter().setFont(Font(13, true));
    page.Painter().drawText(
        page.Rect(0, 0, page.Width(), 14), Qt::TextWordWrap | Qt::AlignLeft,
        QStringLiteral("Row %1 \u2014 Head %2: %3")
            .arg(row)
            .arg(QString::fromStdString(club.ClubNo), QString::fromStdString(club.ClubName)));

    // The readings on the left, the picture on the right, in proportion.
    const double top = 16;
    struct Reading {
        const char* name;
        float value;
        const char* unit;
    };
    const Reading readings[] = {
        {"Mass", club.Mass, "g"},
        {"Volume", club.Volume, "cc"},
        {"CM_x", club.CMx, "mm"},
        {"CM_y", club.CMy, "mm"},
        {"CM_z", club.CMz, "mm"},
        {"Lie angle", club.LieAngle, "\u00B0"},
        {"I_xx", club.Ixx, "kg\u00B7cm\u00B2"},
        {"I_yy", club.Iyy, "kg\u00B7cm\u00B2"},
        {"I_zz", club.Izz, "kg\u00B7cm\u00B2"},
        {"I_xy", club.Ixy, "kg\u00B7cm\u00B2"},
        {"I_yz", club.Iyz, "kg\u00B7cm\u00B2"},
        {"I_zx", club.Izx, "kg\u00B7cm\u00B2"},
    };
    for (int i = 0; i < 12; ++i) {
        const double x = (i / 6) * 58;
        const double y = top + (i % 6) * 5.5;
        page.Text(x, y, 18, 5, QLatin1String(readings[i].name), Font(8.5, true));
        page.Text(x + 18, y, 38, 5,
                  QString::number(static_cast<double>(readings[i].value)) + u' '
                      + QString::fromUtf8(readings[i].unit),
                  Font(8.5));
    }
    const QRectF pictureBox(page.Width() - 60, top, 60, 40);
    const QString picture = QString::fromStdString(club.PictureName);
    if (FileExists(picture)) {
        try {
            const QImage image = LoadPicture(picture);
            QSizeF fitted = QSizeF(image.size()).scaled(pictureBox.size(), Qt::KeepAspectRatio);
            page.Painter().drawImage(page.Rect(pictureBox.right() - fitted.width(), top,
                                               fitted.width(), fitted.height()),
                                     image);
        } catch (const PictureError&) {
            page.Text(pictureBox.x(), top, 60, 5, QStringLiteral("(picture cannot be read)"),
                      Font(7));
        }
    }

    // Every number, in the head window's words, fitted to the space left
    // above the drawings.
    const double numbersTop = top + 42;
    const double drawingSide = std::min(58.0, page.Width() / 3 - 2);
    const double room = page.Height() - kFooterHeight - drawingSide - 4 - numbersTop;
    QTextDocument numbers;
    numbers.documentLayout()->setPaintDevice(page.Painter().device());
    numbers.setDefaultFont(Font(7.5));
    numbers.setHtml(NumbersHtml(n));
    numbers.setTextWidth(page.Width() * page.PerMm());
    const double height = numbers.size().height() / page.PerMm();
    const double scale = height > room ? room / height : 1;
    page.Painter().save();
    page.Painter().translate(page.Rect(0, numbersTop, 0, 0).topLeft());
    page.Painter().scale(scale, scale);
    numbers.drawContents(&page.Painter());
    page.Painter().restore();

    // The ellipsoid along x, y and z.
    const HeadDrawing drawing = DrawingOf(n, false);
    const ViewTurn views[] = {ViewTurn::AlongX(), ViewTurn::AlongY(), ViewTurn::AlongZ()};
    const QString captions[] = {QStringLiteral("along x"), QStringLiteral("along y"),
                                QStringLiteral("along z")};
    const double y = page.Height() - kFooterHeight - drawingSide - 2;
    for (int i = 0; i < 3; ++i) {
        const double x = i * (page.Width() / 3);
        PaintHead(page.Painter(), drawing, views[i], page.Rect(x, y, drawingSide, drawingSide));
        page.Text(x, y + drawingSide - 5, drawingSide, 5, captions[i], Font(7),
                  Qt::AlignRight | Qt::AlignVCenter);
    }
}

} // namespace

QPageLayout DefaultReportLayout()
{
    const bool inches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter);
}

int PaintReport(QPagedPaintDevice& device, const ClubList& clubs, const ReportRequest& request)
{
    std::vector<HeadNumbers> heads;
    heads.reserve(request.rows.size());
    for (int row : request.rows)
        heads.push_back(ComputeHeadNumbers(clubs.At(row).Measurements, request.uncertainties));

    QPainter painter(&device);
    Page page(painter, device);
    const std::size_t perPage = static_cast<std::size_t>(RowsPerSummaryPage(page));
    const int summaryPages = std::max(1, static_cast<int>((heads.size() + perPage - 1) / perPage));
    const int pages = summaryPages + static_cast<int>(heads.size());
    int number = 0;
    const auto next = [&] {
        if (number++ > 0)
            device.newPage();
    };
    for (int s = 0; s < summaryPages; ++s) {
        next();
        const std::size_t first = static_cast<std::size_t>(s) * perPage;
        SummaryPage(page, clubs, request, heads, first, std::min(heads.size(), first + perPage));
        Footer(page, request, number, pages);
    }
    for (std::size_t i = 0; i < heads.size(); ++i) {
        next();
        HeadPage(page, clubs, request.rows[i], heads[i]);
        Footer(page, request, number, pages);
    }
    return pages;
}

} // namespace orv::ui
