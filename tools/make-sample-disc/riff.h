#pragma once

#include <QByteArray>

namespace sampledisc {

// Little-endian building blocks shared by the WAV and AVI writers.
void appendU16(QByteArray &out, quint16 value);
void appendU32(QByteArray &out, quint32 value);

// A chunk: four-character id, payload size, payload, and a pad byte when the size is odd.
QByteArray riffChunk(const char *id, const QByteArray &payload);

// A "RIFF" or "LIST" chunk whose payload starts with its form type.
QByteArray riffList(const char *id, const char *formType, const QByteArray &payload);

} // namespace sampledisc
