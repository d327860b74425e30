#include "browser/photoview.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace gallerion {

QImage readImageFitting(const QString &nativePath, const QSize &box)
{
    QImageReader reader(nativePath);
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    if (natural.isValid() && box.isValid() &&
        (natural.width() > box.width() || natural.height() > box.height()))
        reader.setScaledSize(natural.scaled(box, Qt::KeepAspectRatio));
    return reader.read();
}

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
