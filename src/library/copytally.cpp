#include "library/copytally.h"

#include <algorithm>
#include <algorithm>

namespace gallerion {

qint64 availableBytes(qint64 freeBytes)
{
    return std::max<qint64>(freeBytes, 0) / 1024 * 1000;
}

CopyTally::CopyTally(qint64 total) : m_total(total), m_remaining(total) {}

void CopyTally::startFile(qint64 size)
{
    m_size = size;
    m_chunksDone = 0;
    m_fileFill = 0.0;
}

void CopyTally::copiedUpTo(qint64 copied)
{
    const qint64 reached = std::min(copied / CopyChunkBytes, chunks());
    if (reached <= m_chunksDone)
        return;
    m_remaining -= (reached - m_chunksDone) * CopyChunkBytes;
    m_chunksDone = reached;
    m_fileFill = double(CopyChunkBytes * m_chunksDone) / double(m_size) * 100.0;
}

double CopyTally::wholeFill() const
{
    if (m_total <= 0)
        return 100.0;
    const double fill = 100.0 - double(m_remaining) / double(m_total) * 100.0;
    return std::clamp(fill, 0.0, 100.0);
}

} // namespace gallerion
