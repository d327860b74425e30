#pragma once

#include <QByteArrayView>
#include <QtEndian>

#include <cstring>

namespace gallerion::rtf {

// Little-endian fields of a metafile record. Reads past the end give 0, so a
// record that lies about its size draws rubbish but never reads out of bounds.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView data) : m_data(data) {}

    qsizetype size() const { return m_data.size(); }
    bool has(qint64 at, qint64 count) const
    {
        return at >= 0 && count >= 0 && at <= m_data.size() && count <= m_data.size() - at;
    }
    quint8 u8(qint64 at) const { return has(at, 1) ? quint8(m_data[at]) : 0; }
    qint16 s16(qint64 at) const { return qint16(u16(at)); }
    quint16 u16(qint64 at) const
    {
        return has(at, 2) ? qFromLittleEndian<quint16>(m_data.data() + at) : 0;
    }
    qint32 s32(qint64 at) const { return qint32(u32(at)); }
    quint32 u32(qint64 at) const
    {
        return has(at, 4) ? qFromLittleEndian<quint32>(m_data.data() + at) : 0;
    }
    float f32(qint64 at) const
    {
        const quint32 bits = u32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // Up to count bytes from at; fewer when the data ends first.
    QByteArrayView bytes(qint64 at, qint64 count) const
    {
        if (at < 0 || at >= m_data.size() || count <= 0)
            return {};
        return m_data.sliced(at, qMin<qint64>(count, m_data.size() - at));
    }

private:
    QByteArrayView m_data;
};

} // namespace gallerion::rtf
