// An image control that draws its picture scaled to its whole area, width
// and height independently, or nothing at all.
#pragma once

#include <QImage>
#include <QWidget>

namespace orv::ui {

class StretchedImage : public QWidget {
    Q_OBJECT

public:
    explicit StretchedImage(const QString& name, QWidget* parent);

    void SetPicture(const QImage& picture);
    void Clear();
    [[nodiscard]] const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

} // namespace orv::ui
