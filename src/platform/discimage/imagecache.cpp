#include "platform/discimage/imagecache.h"

#include <QFileInfo>
#include <QMutexLocker>

namespace gallerion {

ImageCache::Result ImageCache::volume(const QString &imagePath)
{
    const QFileInfo info(imagePath);
    const QDateTime modified = info.lastModified();
    const qint64 size = info.size();
    QMutexLocker lock(&m_mutex);
    Loaded &loaded = m_loaded[imagePath];
    if (loaded.size != size || loaded.modified != modified || !loaded.modified.isValid()) {
        loaded.modified = modified;
        loaded.size = size;
        loaded.result.error.clear();
        loaded.result.volume = IsoVolume::load(imagePath, &loaded.result.error);
    }
    return loaded.result;
}

} // namespace gallerion
