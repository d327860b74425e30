#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace gallerion {

// A run of sectors holding (part of) a file; files of 4 GiB and more take
// several.
struct ImageExtent
{
    qint64 sector = 0;
    qint64 bytes = 0;
};

// A file or directory of an image, as its directory record describes it.
struct ImageEntry
{
    QString name;
    qint64 size = 0;
    QDateTime modified;
    QList<ImageExtent> extents;
    bool directory = false;
    // The index of a directory's own listing in its volume, once read.
    int listing = -1;
};

} // namespace gallerion
