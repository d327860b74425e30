#include "browser/photoview.h"

#include "platform/photoloader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace gallerion {

PhotoView::PhotoView(PhotoLoader &loader, QWidget *parent) : QWidget(parent), m_loader(loader)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PhotoView::loadPhoto(const QString &nativePath)
{
    QImage image = m_loader.photo(nativePath, decodeBox());
    if (image.isNull())
        return false;
    m_path = nativePath;
    m_image = std::move(image);
    update();
    return true;
}

// The box in device pixels: on a high-density screen photos are decoded for
// every pixel the screen has, not scaled up from the logical size.
QSize PhotoView::decodeBox() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void PhotoView::preload(const QStringList &nativePaths)
{
    m_loader.preload(nativePaths, decodeBox());
}

void PhotoView::clear()
{
    m_path.clear();
    m_image = QImage();
    update();
}

void PhotoView::paintEvent(QPaintEvent *)
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

void PhotoView::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
}

void PhotoView::resizeEvent(QResizeEvent *)
{
    // A larger box deserves a sharper decode of the same photo.
    if (!m_path.isEmpty() &&
        m_image.size() != m_image.size().scaled(decodeBox(), Qt::KeepAspectRatio))
        loadPhoto(m_path);
}

} // namespace gallerion
