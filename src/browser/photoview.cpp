#include "browser/photoview.h"

#include "platform/photodecoder.h"

#include <QMouseEvent>
#include <QPainter>

namespace gallerion {

PhotoView::PhotoView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PhotoView::loadPhoto(const QString &nativePath)
{
    QImage image = readImageFitting(nativePath, size());
    if (image.isNull())
        return false;
    m_path = nativePath;
    m_image = std::move(image);
    update();
    return true;
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
    painter.fillRect(rect(), Qt::black);
    if (m_image.isNull())
        return;
    const QSize shown = m_image.size().scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), shown);
    target.moveCenter(rect().center());
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
    if (!m_path.isEmpty() && m_image.size() != m_image.size().scaled(size(), Qt::KeepAspectRatio))
        loadPhoto(m_path);
}

} // namespace gallerion
