#include "widgets/photobox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace gallerion {

PhotoBox::PhotoBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PhotoBox::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void PhotoBox::clear()
{
    setImage(QImage());
}

QSize PhotoBox::decodeBox() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void PhotoBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const QSize shown = m_image.size().scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), shown);
    target.moveCenter(rect().center());
    // Only the bands beside the photo need the black: a step repaints the whole box.
    const QRegion bands = QRegion(rect()).subtracted(target);
    for (const QRect &band : bands)
        painter.fillRect(band, Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
}

void PhotoBox::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
}

} // namespace gallerion
