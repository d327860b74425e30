#include "sounds.h"

#include "riff.h"

#include "platform/media/imaadpcm.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace sampledisc {

namespace {

using gallerion::wav::ImaIndexTable;
using gallerion::wav::ImaStepTable;

// Carries the decoder's state so that the encoder predicts exactly what a player hears.
struct ImaState
{
    int predictor = 0;
    int index = 0;

    int encode(int sample)
    {
        const int step = ImaStepTable[index];
        int diff = sample - predictor;
        int nibble = 0;
        if (diff < 0) {
            nibble = 8;
            diff = -diff;
        }
        int delta = step >> 3;
        for (int bit = 4, part = step; bit > 0; bit >>= 1, part >>= 1) {
            if (diff >= part) {
                nibble |= bit;
                diff -= part;
                delta += part;
            }
        }
        predictor = std::clamp(predictor + ((nibble & 8) ? -delta : delta), -32768, 32767);
        index = std::clamp(index + ImaIndexTable[nibble & 7], 0, 88);
        return nibble;
    }
};

QByteArray imaBlock(const QList<qint16> &samples, qsizetype first, ImaState &state)
{
    auto at = [&](qsizetype i) { return i < samples.size() ? samples[i] : qint16(0); };
    QByteArray block;
    state.predictor = at(first);
    appendU16(block, quint16(state.predictor));
    block.append(char(state.index));
    block.append('\0');
    for (qsizetype i = first + 1; i < first + imaSamplesPerBlock; i += 2) {
        const int low = state.encode(at(i));
        const int high = state.encode(at(i + 1));
        block.append(char(low | (high << 4)));
    }
    return block;
}

QByteArray formatChunk(SoundFormat format)
{
    const int rate = sampleRateOf(format);
    QByteArray fmt;
    if (format == SoundFormat::ImaAdpcm11025) {
        appendU16(fmt, 0x11);
        appendU16(fmt, 1);
        appendU32(fmt, quint32(rate));
        appendU32(fmt, quint32(rate * imaBlockAlign / imaSamplesPerBlock));
        appendU16(fmt, imaBlockAlign);
        appendU16(fmt, 4);
        appendU16(fmt, 2);
        appendU16(fmt, imaSamplesPerBlock);
        return riffChunk("fmt ", fmt);
    }
    const int bytes = format == SoundFormat::Pcm16Mono22050 ? 2 : 1;
    appendU16(fmt, 1);
    appendU16(fmt, 1);
    appendU32(fmt, quint32(rate));
    appendU32(fmt, quint32(rate * bytes));
    appendU16(fmt, quint16(bytes));
    appendU16(fmt, quint16(bytes * 8));
    return riffChunk("fmt ", fmt);
}

QByteArray pcmData(SoundFormat format, const QList<qint16> &samples)
{
    QByteArray data;
    for (qint16 s : samples) {
        if (format == SoundFormat::Pcm16Mono22050)
            appendU16(data, quint16(s));
        else
            data.append(char((s >> 8) + 128)); // 8-bit wave data is unsigned
    }
    return data;
}

// Park-Miller generator: the same noise on every machine and every run.
struct Noise
{
    quint32 state;
    double next()
    {
        state = quint32((quint64(state) * 48271u) % 2147483647u);
        return double(state) / 1073741823.5 - 1.0;
    }
};

} // namespace

int sampleRateOf(SoundFormat format)
{
    return format == SoundFormat::Pcm16Mono22050 ? 22050 : 11025;
}

QList<qint16> synthesizeSound(int voice, int sampleRate, int sampleCount)
{
    // An engine note that rises or falls, a horn-like overtone, noise, and a pulsing envelope.
    const double base = 55.0 + 23.0 * (voice % 9);
    const double sweep = ((voice % 5) - 2) * 0.35;
    const double horn = (voice % 4 == 2) ? 0.5 : 0.1;
    const double noiseShare = 0.05 + 0.1 * (voice % 3);
    const double pulse = 2.0 + voice % 7;
    Noise noise{quint32(voice * 7919 + 17)};
    QList<qint16> out;
    out.reserve(sampleCount);
    double phase = 0;
    for (int i = 0; i < sampleCount; ++i) {
        const double t = double(i) / sampleRate;
        const double progress = double(i) / sampleCount;
        phase += 2 * std::numbers::pi * base * (1.0 + sweep * progress) / sampleRate;
        const double saw = std::fmod(phase / (2 * std::numbers::pi), 1.0) * 2.0 - 1.0;
        const double tone = (1 - horn) * saw + horn * std::sin(phase * 4.0);
        const double envelope = std::sin(std::numbers::pi * progress) *
                                (0.75 + 0.25 * std::sin(2 * std::numbers::pi * pulse * t));
        const double value = envelope * ((1 - noiseShare) * tone + noiseShare * noise.next());
        out.append(qint16(std::lround(std::clamp(value, -1.0, 1.0) * 26000)));
    }
    return out;
}

QByteArray encodeImaAdpcm(const QList<qint16> &samples)
{
    QByteArray data;
    ImaState state;
    for (qsizetype first = 0; first < samples.size(); first += imaSamplesPerBlock)
        data.append(imaBlock(samples, first, state));
    return data;
}

QByteArray wavFile(SoundFormat format, const QList<qint16> &samples)
{
    QByteArray body = formatChunk(format);
    if (format == SoundFormat::ImaAdpcm11025) {
        QByteArray fact;
        appendU32(fact, quint32(samples.size()));
        body += riffChunk("fact", fact);
        body += riffChunk("data", encodeImaAdpcm(samples));
    } else {
        body += riffChunk("data", pcmData(format, samples));
    }
    return riffList("RIFF", "WAVE", body);
}

QByteArray soundFile(const DiscFile &file)
{
    return wavFile(file.sound,
                   synthesizeSound(file.number, sampleRateOf(file.sound), file.samples));
}

} // namespace sampledisc
