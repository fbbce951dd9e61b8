#include "ui/editor/stretched_image.h"

#include <QPainter>

namespace orv::ui {

StretchedImage::StretchedImage(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
}

void StretchedImage::SetPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void StretchedImage::Clear()
{
    m_picture = QImage();
    update();
}

void StretchedImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}

} // namespace orv::ui
