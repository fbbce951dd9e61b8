#include "ui/artwork/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace orv::ui {
namespace {

const QColor kSteel(0x4A, 0x55, 0x60);
const QColor kFace(0x2B, 0x30, 0x36);
const QColor kAxisColours[] = {QColor(0xC6, 0x28, 0x28), QColor(0x2E, 0x7D, 0x32),
                               QColor(0x15, 0x65, 0xC0)};

// A transparent background lets a picture sit on any window colour.
QImage Canvas(int width, int height, const QColor& background)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

// A driver head seen from above, fitted into `box`: the rounded crown with
// the straight face along the bottom edge and the hosel at the heel.
QPainterPath HeadOutline(const QRectF& box)
{
    const auto at = [&box](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QPainterPath path(at(0.10, 0.80));
    path.cubicTo(at(0.00, 0.45), at(0.20, 0.02), at(0.58, 0.02));
    path.cubicTo(at(0.95, 0.02), at(1.02, 0.45), at(0.92, 0.72));
    path.cubicTo(at(0.86, 0.88), at(0.60, 0.95), at(0.38, 0.93));
    path.lineTo(at(0.16, 0.90));
    path.cubicTo(at(0.12, 0.88), at(0.10, 0.85), at(0.10, 0.80));
    return path;
}

void DrawHead(QPainter& painter, const QRectF& box, double lineWidth)
{
    QLinearGradient crown(box.topLeft(), box.bottomRight());
    crown.setColorAt(0, kSteel.lighter(170));
    crown.setColorAt(1, kSteel);
    painter.setPen(QPen(kFace, lineWidth));
    painter.setBrush(crown);
    painter.drawPath(HeadOutline(box));
    // The face: a darker band along the bottom of the outline.
    painter.setPen(QPen(kFace, lineWidth * 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(box.left() + 0.18 * box.width(), box.top() + 0.90 * box.height()),
                     QPointF(box.left() + 0.62 * box.width(), box.top() + 0.92 * box.height()));
    // The hosel at the heel.
    painter.setBrush(kFace);
    painter.drawEllipse(QPointF(box.left() + 0.12 * box.width(), box.top() + 0.82 * box.height()),
                        lineWidth * 1.8, lineWidth * 1.8);
}

// The ellipsoid of inertia as a shaded ellipse, tilted, with its three
// principal axes drawn through the centre of gravity.
void DrawEllipsoid(QPainter& painter, QPointF centre, double a, double b, double tiltDegrees,
                   double lineWidth)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(tiltDegrees);
    QRadialGradient shade(QPointF(-a * 0.35, -b * 0.35), a * 1.2);
    shade.setColorAt(0, QColor(0xFF, 0xF4, 0xD6, 235));
    shade.setColorAt(1, QColor(0xE0, 0xA8, 0x30, 235));
    painter.setPen(QPen(QColor(0x8A, 0x5A, 0x00), lineWidth));
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), a, b);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x8A, 0x5A, 0x00, 150), lineWidth * 0.7, Qt::DashLine));
    painter.drawEllipse(QPointF(0, 0), a, b * 0.28);

    const QPointF ends[] = {{a * 1.25, 0}, {0, -b * 1.3}, {-a * 0.55, b * 0.75}};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(kAxisColours[i], lineWidth * 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, 0), ends[i]);
        const double angle = std::atan2(ends[i].y(), ends[i].x());
        const double head = lineWidth * 4;
        QPolygonF arrow;
        arrow << ends[i]
              << ends[i] - QPointF(std::cos(angle - 0.45) * head, std::sin(angle - 0.45) * head)
              << ends[i] - QPointF(std::cos(angle + 0.45) * head, std::sin(angle + 0.45) * head);
        painter.setBrush(kAxisColours[i]);
        painter.drawPolygon(arrow);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFace);
    painter.drawEllipse(QPointF(0, 0), lineWidth * 1.6, lineWidth * 1.6);
    painter.restore();
}

} // namespace

QImage SplashEmblem()
{
    QImage image = Canvas(174, 140, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawEllipsoid(painter, QPointF(84, 74), 58, 34, -18, 1.6);
    return image;
}

QImage SplashBanner()
{
    QImage image = Canvas(300, 88, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 60, 0, 88);
    ground.setColorAt(0, QColor(0x9C, 0xCC, 0x65, 0));
    ground.setColorAt(1, QColor(0x9C, 0xCC, 0x65));
    painter.fillRect(QRectF(0, 60, 300, 28), ground);
    DrawHead(painter, QRectF(16, 6, 120, 76), 1.5);
    DrawEllipsoid(painter, QPointF(80, 42), 26, 15, -12, 1.1);
    // Three principal moments as bars of a small chart.
    const double heights[] = {52, 43, 29};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAxisColours[i]);
        painter.drawRoundedRect(QRectF(180 + i * 34, 74 - heights[i], 22, heights[i]), 3, 3);
    }
    painter.setPen(QPen(kFace, 1.5));
    painter.drawLine(QPointF(170, 74.5), QPointF(290, 74.5));
    return image;
}

QImage EditorPlaceholder()
{
    QImage image = Canvas(290, 218, QColor(0xEC, 0xEF, 0xF1));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xB0, 0xBE, 0xC5), 1, Qt::DotLine));
    for (int x = 20; x < 290; x += 25)
        painter.drawLine(x, 0, x, 218);
    for (int y = 9; y < 218; y += 25)
        painter.drawLine(0, y, 290, y);
    DrawHead(painter, QRectF(40, 24, 210, 170), 2.2);
    DrawEllipsoid(painter, QPointF(146, 104), 46, 27, -14, 1.6);
    return image;
}

QCursor SplashCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawEllipse(QPointF(16, 16), 12, 7);
    painter.drawLine(16, 2, 16, 30);
    painter.drawLine(2, 16, 30, 16);
    painter.setPen(QPen(kAxisColours[0], 1.4));
    painter.drawEllipse(QPointF(16, 16), 12, 7);
    painter.setPen(QPen(kFace, 1.4));
    painter.drawLine(16, 2, 16, 30);
    painter.drawLine(2, 16, 30, 16);
    painter.end();
    return QCursor(pixmap, 16, 16);
}

QImage ApplicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(0x26, 0x32, 0x38));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    DrawEllipsoid(painter, QPointF(s / 2, s / 2), s * 0.36, s * 0.22, -20, std::max(1.0, s / 36));
    painter.end();
    return image;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : kApplicationIconSizes)
        icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(size)));
    return icon;
}

} // namespace orv::ui
