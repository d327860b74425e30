#pragma once

#include "platform/discimage/imageentry.h"

#include <QByteArray>
#include <QList>

#include <functional>

namespace gallerion {

// Which of the names a directory record carries the program shows.
enum class NameForm
{
    Iso9660,
    Joliet,
    RockRidge
};

struct RecordRules
{
    NameForm form = NameForm::Iso9660;
    // Bytes of each system use area before its first Rock Ridge entry.
    int suspSkip = 0;
    // Reads a Rock Ridge continuation area (sector, offset, length); empty
    // when it lies outside the image.
    std::function<QByteArray(qint64, qint64, qint64)> continuation;
};

// The entries of one directory's extent, without "." and "..". Records that
// are malformed, run past their sector, or carry a name that could not be a
// file name ("", ".", "..", or holding a separator) are left out; a file of
// several extents becomes one entry.
QList<ImageEntry> parseDirectoryRecords(const QByteArray &extent, const RecordRules &rules);

// The data length of the "." record at the start of a directory extent; -1
// when there is none.
qint64 selfRecordLength(const QByteArray &firstSector);

// True when the "." record of a root directory carries the Rock Ridge marker;
// skip gets the bytes to skip in each system use area.
bool hasRockRidge(const QByteArray &rootFirstSector, int *skip);

} // namespace gallerion
