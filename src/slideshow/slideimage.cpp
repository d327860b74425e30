#include "slideshow/slideimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace gallerion {

SlideImage::SlideImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SlideImage::setImage(const QImage &image)
{
    m_image = image;
    update();
}

QSize SlideImage::decodeBox() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void SlideImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_image.isNull())
        return;
    QRect target(QPoint(0, 0), m_image.size().scaled(size(), Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
}

void SlideImage::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
}

} // namespace gallerion
