#pragma once

#include "contents.h"

#include <QByteArray>
#include <QList>

namespace sampledisc {

// IMA ADPCM blocks as the usual Windows codec wrote them for mono 11025 Hz.
constexpr int imaBlockAlign = 256;
constexpr int imaSamplesPerBlock = (imaBlockAlign - 4) * 2 + 1;

int sampleRateOf(SoundFormat format);

// A deterministic car-ish noise; each voice sounds different.
QList<qint16> synthesizeSound(int voice, int sampleRate, int sampleCount);

// Mono IMA ADPCM: whole blocks of imaBlockAlign bytes, the last one padded with silence.
QByteArray encodeImaAdpcm(const QList<qint16> &samples);

// A complete RIFF WAVE file in the given format.
QByteArray wavFile(SoundFormat format, const QList<qint16> &samples);

QByteArray soundFile(const DiscFile &file);

} // namespace sampledisc
