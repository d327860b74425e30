#pragma once

#include <QtGlobal>

namespace gallerion {

// The copy is accounted in chunks of this many bytes.
inline constexpr qint64 CopyChunkBytes = 25000;
// The whole copy's 100 % mark and the free space it asks for.
inline constexpr qint64 PhotoCopyTotal = 42000000;
inline constexpr qint64 MovieCopyTotal = 432000000;

// What the user has, as the copy panel counts it: whole KiB free times 1000.
qint64 availableBytes(qint64 freeBytes);

// The two gauges of a copy. Only full chunks move the whole-copy gauge, so
// files shorter than a chunk do not; the file gauge ends each file at 100.
class CopyTally
{
public:
    explicit CopyTally(qint64 total);

    void startFile(qint64 size);
    // Full chunks in the file; the bytes after them go in one final piece.
    qint64 chunks() const { return m_size / CopyChunkBytes; }
    qint64 chunksDone() const { return m_chunksDone; }
    // Accounts for every full chunk within the first `copied` bytes of the file.
    void copiedUpTo(qint64 copied);
    void fileDone() { m_fileFill = 100.0; }

    double fileFill() const { return m_fileFill; }
    // Kept within 0..100 whatever the real size of the content.
    double wholeFill() const;
    qint64 remaining() const { return m_remaining; }

private:
    qint64 m_total;
    qint64 m_remaining;
    qint64 m_size = 0;
    qint64 m_chunksDone = 0;
    double m_fileFill = 0.0;
};

} // namespace gallerion
