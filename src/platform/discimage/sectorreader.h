#pragma once

#include "platform/discimage/sectorlayout.h"

#include <QByteArray>
#include <QFile>

namespace gallerion {

// Reads the logical bytes of an image (sector n begins at byte n * 2048),
// wherever the layout keeps them in the file. One reader per user: it owns
// its file position.
class SectorReader
{
public:
    static constexpr qint64 SectorBytes = 2048;

    explicit SectorReader(SectorLayout layout);

    bool open();
    QString errorString() const { return m_file.errorString(); }
    // Whole logical sectors the file holds.
    qint64 sectorCount() const;

    // Reads up to bytes from this logical offset; fewer at the end of the
    // file, -1 on a read error.
    qint64 read(qint64 offset, char *into, qint64 bytes);
    // Whole sectors, or an empty array when any of them is missing.
    QByteArray readSectors(qint64 first, qint64 count);

private:
    qint64 readRaw(qint64 offset, char *into, qint64 bytes);

    SectorLayout m_layout;
    QFile m_file;
    QByteArray m_raw;
};

} // namespace gallerion
