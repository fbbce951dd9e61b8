#include "ui/head/head_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv::ui {
namespace {

constexpr int kOutlinePoints = 120;
constexpr double kRadiansPerPixel = 0.01;
// The larger ellipsoid fills this share of the smaller side at zoom 1.
constexpr double kFill = 0.36;

const QColor kBackground(0xFA, 0xFA, 0xF7);
const QColor kAxisColours[3] = {QColor(0xC0, 0x30, 0x30), QColor(0x20, 0x90, 0x40),
                                QColor(0x30, 0x50, 0xC0)};
const QColor kFrameAxis(0x70, 0x70, 0x70);
const QColor kLieAxis(0xD0, 0x80, 0x10);

QString Moment(double value) { return QString::number(value, 'f', 3); }

} // namespace

HeadDrawing DrawingOf(const HeadNumbers& numbers, bool pending)
{
    const EllipsoidGeometry& g = numbers.outcome.Geometry;
    HeadDrawing drawing;
    drawing.ellipsoid = EquivalentEllipsoid(g);
    drawing.principalMoments = g.principalMoments;
    // The lie-angle axis as the computation takes it: the z axis tilted by
    // the lie angle towards -x (azimuth 180).
    const double lie = numbers.club.LieAngle * 3.14159 / 180;
    drawing.lieAxis = {-std::sin(lie), 0, std::cos(lie)};
    drawing.title = QStringLiteral("Head %1: %2")
                        .arg(QString::fromStdString(numbers.club.ClubNo),
                             QString::fromStdString(numbers.club.ClubName))
                    + (pending ? QStringLiteral(" (calculated, not yet stored)") : QString());
    return drawing;
}

void PaintHead(QPainter& painter, const HeadDrawing& drawing, const ViewTurn& view,
               const QRectF& target)
{
    // Drawn as on a 360-pixel square, scaled to the target: vector lines and
    // text on a PDF page, at any resolution.
    constexpr int kSide = 360;
    HeadView onScreen;
    onScreen.SetHead(drawing);
    onScreen.SetView(view);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kSide, target.height() / kSide);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setClipRect(QRect(0, 0, kSide, kSide));
    onScreen.Paint(painter, QSize(kSide, kSide));
    painter.restore();
}

HeadView::HeadView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HeadView"));
    setMinimumSize(240, 220);
    setCursor(Qt::OpenHandCursor);
}

void HeadView::SetHead(std::optional<HeadDrawing> head)
{
    m_head = std::move(head);
    update();
}

void HeadView::SetCompared(std::optional<HeadDrawing> other)
{
    m_compared = std::move(other);
    update();
}

void HeadView::SetView(const ViewTurn& view)
{
    m_view = view;
    update();
}

void HeadView::SetZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.2, 8.0);
    update();
}

double HeadView::Extent() const
{
    double extent = 0;
    for (const auto* drawing : {&m_head, &m_compared})
        if (*drawing)
            for (double s : (*drawing)->ellipsoid.semiAxes)
                extent = std::max(extent, s);
    return extent > 0 ? extent : 50;
}

double HeadView::Scale(QSize size) const
{
    return kFill * std::min(size.width(), size.height()) / Extent() * m_zoom;
}

double HeadView::PixelsPerMillimetre() const { return Scale(size()); }

QPointF HeadView::Screen(const Vector3& millimetres, QSize size) const
{
    const Vector3 v = m_view.Apply(millimetres);
    const double scale = Scale(size);
    return {size.width() / 2.0 + v[0] * scale, size.height() / 2.0 - v[1] * scale};
}

QPointF HeadView::ToScreen(const Vector3& millimetres) const { return Screen(millimetres, size()); }

void HeadView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, size());
}

void HeadView::Paint(QPainter& painter, QSize size) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(), size), kBackground);
    if (!m_head) {
        painter.setPen(kFrameAxis);
        painter.drawText(QRect(QPoint(), size), Qt::AlignCenter,
                         QStringLiteral("No head to show: add one, or choose a row."));
        return;
    }
    const double scale = Scale(size);
    const double extent = Extent();
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const auto screen = [&](const Vector3& p) { return Screen(p, size); };
    const auto outlinePath = [&](const Ellipse2& e) {
        QPainterPath path;
        for (int k = 0; k <= kOutlinePoints; ++k) {
            const auto p = e.At(2 * std::numbers::pi * k / kOutlinePoints);
            const QPointF q(centre.x() + p[0] * scale, centre.y() - p[1] * scale);
            k == 0 ? path.moveTo(q) : path.lineTo(q);
        }
        return path;
    };

    // The measuring frame's axes through the centre of gravity.
    const QString frameNames[3] = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
    for (int i = 0; i < 3; ++i) {
        Vector3 tip{};
        tip[i] = 1.35 * extent;
        Vector3 tail{};
        tail[i] = -1.35 * extent;
        painter.setPen(QPen(kFrameAxis, 1, Qt::DotLine));
        painter.drawLine(screen(tail), screen(tip));
        painter.setPen(kFrameAxis);
        painter.drawText(screen(tip) + QPointF(4, -4), frameNames[i]);
    }

    // The head's ellipsoid, lit from the upper left of the screen.
    const Ellipse2 outline = Outline(m_head->ellipsoid, m_view);
    const QPainterPath body = outlinePath(outline);
    const double radius = std::max(outline.semiMajor * scale, 1.0);
    QRadialGradient shade(centre, radius * 1.15, centre + QPointF(-0.35, -0.4) * radius);
    shade.setColorAt(0, QColor(0xE8, 0xF0, 0xFF));
    shade.setColorAt(0.55, QColor(0x8C, 0xA8, 0xD8));
    shade.setColorAt(1, QColor(0x3A, 0x55, 0x8C));
    painter.setPen(QPen(QColor(0x2A, 0x3C, 0x60), 1.2));
    painter.setBrush(shade);
    painter.drawPath(body);
    painter.setBrush(Qt::NoBrush);

    // Its three principal sections: the front half drawn, the back faint;
    // each half one path, so that a redraw stays quick.
    QPainterPath front, back;
    for (const auto& [a, b] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 0}}) {
        const auto section = Section(m_head->ellipsoid, a, b, m_view, 96);
        for (std::size_t k = 1; k < section.size(); ++k) {
            QPainterPath& half = section[k].front && section[k - 1].front ? front : back;
            half.moveTo(centre.x() + section[k - 1].x * scale,
                        centre.y() - section[k - 1].y * scale);
            half.lineTo(centre.x() + section[k].x * scale, centre.y() - section[k].y * scale);
        }
    }
    // Opaque colours: a translucent pen makes a PDF page rasterise the
    // drawing.
    painter.setPen(QPen(QColor(0x9C, 0xA8, 0xBC), 1, Qt::DashLine));
    painter.drawPath(back);
    painter.setPen(QPen(QColor(0xEE, 0xF2, 0xFA), 1));
    painter.drawPath(front);

    // The principal axes with their moments.
    for (int i = 0; i < 3; ++i) {
        const Vector3& d = m_head->ellipsoid.axes[i];
        const double reach = std::max(m_head->ellipsoid.semiAxes[i] * 1.25, 0.3 * extent);
        const Vector3 tip{d[0] * reach, d[1] * reach, d[2] * reach};
        const Vector3 tail{-tip[0], -tip[1], -tip[2]};
        painter.setPen(QPen(kAxisColours[i], 2));
        painter.drawLine(screen(tail), screen(tip));
        const QPointF at = screen(tip);
        const QPointF away = at - centre;
        const double length = std::max(std::hypot(away.x(), away.y()), 1.0);
        const QString label = QStringLiteral("I%1 %2").arg(i + 1).arg(
            Moment(m_head->principalMoments[i]));
        const QRectF box = painter.fontMetrics().boundingRect(label);
        // Beyond the tip, on the side away from the centre.
        const QPointF anchor = at + away / length * 10
                               + QPointF(away.x() < 0 ? -box.width() : 0,
                                         away.y() > 0 ? box.height() : 0);
        painter.drawText(anchor, label);
    }

    // The lie-angle axis.
    const Vector3& u = m_head->lieAxis;
    const Vector3 lieTip{u[0] * 1.2 * extent, u[1] * 1.2 * extent, u[2] * 1.2 * extent};
    painter.setPen(QPen(kLieAxis, 1.5, Qt::DashLine));
    painter.drawLine(centre, screen(lieTip));
    painter.drawText(screen(lieTip) + QPointF(4, 12), QStringLiteral("lie"));

    // A second head at the same scale.
    if (m_compared) {
        painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.6, Qt::DashLine));
        painter.drawPath(outlinePath(Outline(m_compared->ellipsoid, m_view)));
    }

    painter.setPen(Qt::black);
    QString caption = m_head->title;
    if (m_compared)
        caption += QStringLiteral("\ndashed: ") + m_compared->title;
    painter.drawText(QRect(8, 6, size.width() - 16, 40), Qt::AlignLeft | Qt::AlignTop, caption);
    painter.setPen(kFrameAxis);
    painter.drawText(QRect(8, size.height() - 22, size.width() - 16, 18),
                     Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("scale: %1 px per 10 mm").arg(scale * 10, 0, 'f', 1));
}

void HeadView::mousePressEvent(QMouseEvent* event)
{
    m_dragFrom = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void HeadView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint moved = event->position().toPoint() - m_dragFrom;
    m_dragFrom = event->position().toPoint();
    SetView(m_view.Turned(moved.x() * kRadiansPerPixel, moved.y() * kRadiansPerPixel));
}

void HeadView::mouseReleaseEvent(QMouseEvent*) { setCursor(Qt::OpenHandCursor); }

void HeadView::wheelEvent(QWheelEvent* event)
{
    SetZoom(m_zoom * std::pow(1.0015, event->angleDelta().y()));
    event->accept();
}

} // namespace orv::ui
