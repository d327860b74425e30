#pragma once

#include "platform/discimage/isovolume.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>

#include <memory>

namespace gallerion {

// The images a run reads, each loaded once and again only when the file
// changes; a damaged image is remembered as such, not read on every look-up.
// Shared by the copies of one file system, on any thread.
class ImageCache
{
public:
    struct Result
    {
        std::shared_ptr<const IsoVolume> volume;
        QString error;
    };
    Result volume(const QString &imagePath);

private:
    struct Loaded
    {
        QDateTime modified;
        qint64 size = -1;
        Result result;
    };
    QMutex m_mutex;
    QHash<QString, Loaded> m_loaded;
};

} // namespace gallerion
