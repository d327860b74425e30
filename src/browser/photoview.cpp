#include "browser/photoview.h"

#include "platform/photoloader.h"

namespace gallerion {

PhotoView::PhotoView(PhotoLoader &loader, QWidget *parent) : PhotoBox(parent), m_loader(loader) {}

bool PhotoView::loadPhoto(const QString &nativePath)
{
    const QImage image = m_loader.photo(nativePath, decodeBox());
    if (image.isNull())
        return false;
    m_path = nativePath;
    setImage(image);
    return true;
}

void PhotoView::preload(const QStringList &nativePaths)
{
    m_loader.preload(nativePaths, decodeBox());
}

void PhotoView::clear()
{
    m_path.clear();
    PhotoBox::clear();
}

void PhotoView::resizeEvent(QResizeEvent *)
{
    // A larger box deserves a sharper decode of the same photo.
    const QSize size = image().size();
    if (!m_path.isEmpty() && size != size.scaled(decodeBox(), Qt::KeepAspectRatio))
        loadPhoto(m_path);
}

} // namespace gallerion
