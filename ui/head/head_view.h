// The drawing of the head window: the equivalent ellipsoid of a head about
// its centre of gravity, shaded, with its principal sections, the measuring
// frame's axes, the principal axes labelled with their moments and the
// lie-angle axis; a second head's ellipsoid as an outline at the same
// scale. Drag to turn it, the wheel to zoom; it never turns by itself.
#pragma once

#include "ui/head/head_numbers.h"
#include "ui/head/head_projection.h"

#include <QPointF>
#include <QString>
#include <QWidget>

#include <optional>

namespace orv::ui {

// What the drawing shows of one head.
struct HeadDrawing {
    Ellipsoid ellipsoid;        // mm, about the centre of gravity
    Vector3 principalMoments{}; // kg-cm^2, of ellipsoid.axes[i]
    Vector3 lieAxis{0, 0, 1};   // unit direction of the lie-angle axis
    QString title;              // "Head 7: Driver"
};

// What the drawing shows of a head's numbers; `pending` marks values the
// editor calculated but did not store.
[[nodiscard]] HeadDrawing DrawingOf(const HeadNumbers& numbers, bool pending);

// The drawing of one head in one view, painted into `target` of any
// painter (a report's page).
void PaintHead(QPainter& painter, const HeadDrawing& drawing, const ViewTurn& view,
               const QRectF& target);

class HeadView : public QWidget {
    Q_OBJECT

public:
    explicit HeadView(QWidget* parent = nullptr);

    void SetHead(std::optional<HeadDrawing> head);
    void SetCompared(std::optional<HeadDrawing> other);
    void SetView(const ViewTurn& view);
    [[nodiscard]] const ViewTurn& View() const { return m_view; }
    void SetZoom(double zoom);

    // Where a point of the measuring frame (mm from the centre of gravity)
    // stands in the widget, and the scale both ellipsoids share.
    [[nodiscard]] QPointF ToScreen(const Vector3& millimetres) const;
    [[nodiscard]] double PixelsPerMillimetre() const;

    // Draws the whole picture into `painter` over `size`, as on screen.
    void Paint(QPainter& painter, QSize size) const;

    [[nodiscard]] QSize sizeHint() const override { return {460, 420}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    [[nodiscard]] double Extent() const;
    [[nodiscard]] double Scale(QSize size) const;
    [[nodiscard]] QPointF Screen(const Vector3& millimetres, QSize size) const;

    std::optional<HeadDrawing> m_head;
    std::optional<HeadDrawing> m_compared;
    ViewTurn m_view = ViewTurn::Oblique();
    double m_zoom = 1;
    QPoint m_dragFrom;
};

} // namespace orv::ui
