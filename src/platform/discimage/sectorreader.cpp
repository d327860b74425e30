#include "platform/discimage/sectorreader.h"

#include <algorithm>
#include <cstring>

namespace gallerion {

namespace {
// Raw sectors read in one go, so a large read costs few system calls.
constexpr qint64 RawBatch = 64;
} // namespace

SectorReader::SectorReader(SectorLayout layout)
    : m_layout(std::move(layout)), m_file(m_layout.dataFile)
{}

bool SectorReader::open()
{
    return m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 SectorReader::sectorCount() const
{
    return m_file.size() / m_layout.sectorBytes;
}

qint64 SectorReader::read(qint64 offset, char *into, qint64 bytes)
{
    if (offset < 0 || bytes < 0)
        return -1;
    if (!m_layout.isPlain())
        return readRaw(offset, into, bytes);
    if (!m_file.seek(offset))
        return 0;
    return m_file.read(into, bytes);
}

qint64 SectorReader::readRaw(qint64 offset, char *into, qint64 bytes)
{
    const qint64 rawBytes = m_layout.sectorBytes;
    qint64 done = 0;
    while (done < bytes) {
        const qint64 sector = (offset + done) / SectorBytes;
        const qint64 within = (offset + done) % SectorBytes;
        const qint64 sectors =
            std::min(RawBatch, (within + bytes - done + SectorBytes - 1) / SectorBytes);
        if (!m_file.seek(sector * rawBytes))
            return done;
        m_raw.resize(sectors * rawBytes);
        const qint64 got = m_file.read(m_raw.data(), m_raw.size());
        if (got < 0)
            return done > 0 ? done : -1;
        const qint64 whole = got / rawBytes;
        for (qint64 i = 0; i < whole && done < bytes; ++i) {
            const qint64 from = i == 0 ? within : 0;
            const qint64 part = std::min(SectorBytes - from, bytes - done);
            std::memcpy(into + done,
                        m_raw.constData() + i * rawBytes + m_layout.payloadOffset + from,
                        size_t(part));
            done += part;
        }
        if (whole < sectors)
            break;
    }
    return done;
}

QByteArray SectorReader::readSectors(qint64 first, qint64 count)
{
    if (first < 0 || count <= 0 || first + count > sectorCount())
        return QByteArray();
    QByteArray data(count * SectorBytes, Qt::Uninitialized);
    if (read(first * SectorBytes, data.data(), data.size()) != data.size())
        return QByteArray();
    return data;
}

} // namespace gallerion
