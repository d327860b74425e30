#include "riff.h"

namespace sampledisc {

void appendU16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void appendU32(QByteArray &out, quint32 value)
{
    appendU16(out, quint16(value & 0xffff));
    appendU16(out, quint16(value >> 16));
}

QByteArray riffChunk(const char *id, const QByteArray &payload)
{
    QByteArray out(id, 4);
    appendU32(out, quint32(payload.size()));
    out.append(payload);
    if (payload.size() % 2 != 0)
        out.append('\0');
    return out;
}

QByteArray riffList(const char *id, const char *formType, const QByteArray &payload)
{
    return riffChunk(id, QByteArray(formType, 4) + payload);
}

} // namespace sampledisc
