#include "platform/media/wavdecoder.h"

#include "platform/media/imaadpcm.h"

#include <QIODevice>
#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

namespace gallerion::wav {

namespace {

constexpr int MaxChannels = 8;

quint16 u16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

qint16 s16(const char *p)
{
    return qFromLittleEndian<qint16>(p);
}

qint16 clamp16(int value)
{
    return qint16(std::clamp(value, -32768, 32767));
}

void fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool looksLikeChunkId(const QByteArray &file, qsizetype pos)
{
    if (pos < 0 || pos + 8 > file.size())
        return false;
    return std::all_of(file.begin() + pos, file.begin() + pos + 4,
                       [](char c) { return c >= 0x20 && c <= 0x7e; });
}

struct Chunk
{
    QByteArray id;
    qsizetype offset = 0;
    qsizetype size = 0;
};

// Where the chunk after an odd-sized one starts: the format wants a pad byte,
// but some writers left it out.
qsizetype nextChunkAfter(const QByteArray &file, qsizetype end, quint32 size)
{
    if (size % 2 == 0)
        return end;
    if (looksLikeChunkId(file, end + 1) || !looksLikeChunkId(file, end))
        return end + 1;
    return end;
}

QList<Chunk> listChunks(const QByteArray &file)
{
    QList<Chunk> chunks;
    qsizetype pos = 12;
    while (pos + 8 <= file.size()) {
        const QByteArray id = file.mid(pos, 4);
        const quint32 size = u32(file.constData() + pos + 4);
        const qsizetype body = pos + 8;
        const qsizetype available = file.size() - body;
        // Streaming writers leave the data size at 0 or -1; a truncated copy leaves
        // it too large. Either way the bytes that are there are the data.
        const bool unknownSize =
            id == "data" && (size == 0 || size == 0xffffffffu) && !looksLikeChunkId(file, body);
        if (unknownSize || qint64(size) > available) {
            chunks.append({id, body, available});
            break;
        }
        chunks.append({id, body, qsizetype(size)});
        pos = nextChunkAfter(file, body + size, size);
    }
    return chunks;
}

std::optional<Format> parseFormat(const QByteArray &file, const Chunk &chunk)
{
    if (chunk.size < 16)
        return std::nullopt;
    const char *p = file.constData() + chunk.offset;
    Format format;
    format.tag = u16(p);
    format.channels = u16(p + 2);
    format.sampleRate = int(u32(p + 4));
    format.blockAlign = u16(p + 12);
    format.bitsPerSample = u16(p + 14);
    if (chunk.size >= 18) {
        const qsizetype extraSize = std::min<qsizetype>(u16(p + 16), chunk.size - 18);
        format.extra = file.mid(chunk.offset + 18, extraSize);
    }
    if (format.tag == Extensible && format.extra.size() >= 8)
        format.tag = u16(format.extra.constData() + 6);
    return format;
}

bool plausible(const Format &format)
{
    return format.channels >= 1 && format.channels <= MaxChannels && format.sampleRate >= 1000 &&
           format.sampleRate <= 384000;
}

// ---- IMA ADPCM ----

struct ImaState
{
    int predictor = 0;
    int index = 0;

    qint16 expand(int nibble)
    {
        const int step = ImaStepTable[index];
        int diff = step >> 3;
        if (nibble & 4)
            diff += step;
        if (nibble & 2)
            diff += step >> 1;
        if (nibble & 1)
            diff += step >> 2;
        predictor = clamp16(nibble & 8 ? predictor - diff : predictor + diff);
        index = std::clamp(index + ImaIndexTable[nibble & 7], 0, 88);
        return qint16(predictor);
    }
};

void decodeImaBlock(const char *p, qsizetype size, int channels, QList<qint16> &out)
{
    QVarLengthArray<ImaState, MaxChannels> states(channels);
    for (int c = 0; c < channels; ++c) {
        states[c].predictor = s16(p + 4 * c);
        states[c].index = std::clamp(int(quint8(p[4 * c + 2])), 0, 88);
        out.append(qint16(states[c].predictor));
    }
    // After the headers each channel in turn has 4 bytes, i.e. 8 samples, low nibble first.
    const qsizetype groupBytes = 4 * channels;
    for (qsizetype g = groupBytes; g + groupBytes <= size; g += groupBytes) {
        const qsizetype base = out.size();
        out.resize(base + 8 * channels);
        for (int c = 0; c < channels; ++c) {
            for (int b = 0; b < 4; ++b) {
                const auto byte = quint8(p[g + 4 * c + b]);
                out[base + (2 * b) * channels + c] = states[c].expand(byte & 0x0f);
                out[base + (2 * b + 1) * channels + c] = states[c].expand(byte >> 4);
            }
        }
    }
}

// ---- Microsoft ADPCM ----

constexpr int MsAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                  768, 614, 512, 409, 307, 230, 230, 230};

const QList<QPair<int, int>> &standardMsCoefficients()
{
    static const QList<QPair<int, int>> pairs = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                                 {240, 0}, {460, -208}, {392, -232}};
    return pairs;
}

struct MsState
{
    int c1 = 0;
    int c2 = 0;
    int delta = 0;
    int sample1 = 0;
    int sample2 = 0;

    qint16 expand(int nibble)
    {
        const int predictor = (sample1 * c1 + sample2 * c2) / 256;
        const int signedNibble = nibble >= 8 ? nibble - 16 : nibble;
        const qint16 sample = clamp16(predictor + signedNibble * delta);
        sample2 = sample1;
        sample1 = sample;
        // A hostile block can grow the step without end; past this it would overflow.
        delta = std::clamp((MsAdaptation[nibble] * delta) >> 8, 16,
                           std::numeric_limits<int>::max() / 768);
        return sample;
    }
};

void decodeMsBlock(const char *p, qsizetype size, int channels,
                   const QList<QPair<int, int>> &coefficients, QList<qint16> &out)
{
    QVarLengthArray<MsState, MaxChannels> states(channels);
    for (int c = 0; c < channels; ++c) {
        const auto &pair = coefficients.value(quint8(p[c]), coefficients.first());
        states[c].c1 = pair.first;
        states[c].c2 = pair.second;
        states[c].delta = s16(p + channels + 2 * c);
        states[c].sample1 = s16(p + 3 * channels + 2 * c);
        states[c].sample2 = s16(p + 5 * channels + 2 * c);
    }
    for (int c = 0; c < channels; ++c)
        out.append(qint16(states[c].sample2));
    for (int c = 0; c < channels; ++c)
        out.append(qint16(states[c].sample1));
    // High nibble first; nibbles go to the channels in turn.
    int channel = 0;
    for (qsizetype i = 7 * channels; i < size; ++i) {
        const auto byte = quint8(p[i]);
        for (int nibble : {byte >> 4, byte & 0x0f}) {
            out.append(states[channel].expand(nibble));
            channel = (channel + 1) % channels;
        }
    }
}

QList<QPair<int, int>> msCoefficients(const QByteArray &extra)
{
    // extra: samples per block, coefficient count, then the pairs.
    if (extra.size() < 4)
        return {};
    const int count = u16(extra.constData() + 2);
    if (count < 1 || extra.size() < 4 + 4 * count)
        return {};
    QList<QPair<int, int>> pairs;
    for (int i = 0; i < count; ++i) {
        const char *p = extra.constData() + 4 + 4 * i;
        pairs.append({s16(p), s16(p + 2)});
    }
    return pairs;
}

template <typename BlockDecoder>
QList<qint16> decodeBlocks(const QByteArray &data, int blockAlign, qsizetype headerBytes,
                           BlockDecoder decodeBlock)
{
    QList<qint16> out;
    if (blockAlign <= headerBytes)
        return out;
    for (qsizetype offset = 0; offset + headerBytes <= data.size(); offset += blockAlign) {
        const qsizetype size = std::min<qsizetype>(blockAlign, data.size() - offset);
        decodeBlock(data.constData() + offset, size, out);
    }
    return out;
}

qint16 pcmSample(const char *p, int bytes)
{
    switch (bytes) {
    case 1:
        return qint16((int(quint8(*p)) - 128) * 256);
    case 2:
        return s16(p);
    default: // 24 and 32 bit: the top two bytes
        return s16(p + bytes - 2);
    }
}

std::optional<QList<qint16>> decodeData(const Container &container, QString *error)
{
    const Format &f = container.format;
    // Some writers get the block size wrong; the sample width is the safer guide.
    const int containerBytes = f.bitsPerSample >= 1 && f.bitsPerSample <= 32
                                   ? (f.bitsPerSample + 7) / 8
                                   : f.blockAlign / f.channels;
    switch (f.tag) {
    case Pcm:
        if (containerBytes < 1 || containerBytes > 4)
            break;
        return decodePcm(container.data, containerBytes * 8);
    case IeeeFloat:
        if (f.bitsPerSample != 32 && f.bitsPerSample != 64)
            break;
        return decodeFloat(container.data, f.bitsPerSample);
    case ImaAdpcm:
        return decodeImaAdpcm(container.data, f.channels, f.blockAlign);
    case MsAdpcm:
        return decodeMsAdpcm(container.data, f.channels, f.blockAlign, msCoefficients(f.extra));
    default:
        break;
    }
    fail(error, QStringLiteral("Unsupported wave format 0x%1 (%2 bits)")
                    .arg(f.tag, 4, 16, QLatin1Char('0'))
                    .arg(f.bitsPerSample));
    return std::nullopt;
}

} // namespace

std::optional<Container> parseContainer(const QByteArray &file, QString *error)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") {
        fail(error, QStringLiteral("Not a RIFF WAVE file"));
        return std::nullopt;
    }
    std::optional<Format> format;
    Container container;
    bool haveData = false;
    for (const Chunk &chunk : listChunks(file)) {
        if (chunk.id == "fmt " && !format)
            format = parseFormat(file, chunk);
        else if (chunk.id == "fact" && chunk.size >= 4)
            container.factFrames = u32(file.constData() + chunk.offset);
        else if (chunk.id == "data" && !haveData) {
            container.data = file.mid(chunk.offset, chunk.size);
            haveData = true;
        }
    }
    if (!format || !plausible(*format)) {
        fail(error, QStringLiteral("Missing or invalid wave format chunk"));
        return std::nullopt;
    }
    if (!haveData) {
        fail(error, QStringLiteral("Missing wave data chunk"));
        return std::nullopt;
    }
    container.format = *format;
    return container;
}

QList<qint16> decodePcm(const QByteArray &data, int bitsPerSample)
{
    const int bytes = bitsPerSample / 8;
    QList<qint16> out;
    if (bytes < 1 || bytes > 4)
        return out;
    out.reserve(data.size() / bytes);
    for (qsizetype i = 0; i + bytes <= data.size(); i += bytes)
        out.append(pcmSample(data.constData() + i, bytes));
    return out;
}

QList<qint16> decodeFloat(const QByteArray &data, int bitsPerSample)
{
    const int bytes = bitsPerSample / 8;
    QList<qint16> out;
    if (bytes != 4 && bytes != 8)
        return out;
    out.reserve(data.size() / bytes);
    for (qsizetype i = 0; i + bytes <= data.size(); i += bytes) {
        const char *p = data.constData() + i;
        const double value =
            bytes == 4 ? double(qFromLittleEndian<float>(p)) : qFromLittleEndian<double>(p);
        const double clipped = std::isfinite(value) ? std::clamp(value, -1.0, 1.0) : 0.0;
        out.append(qint16(std::lround(clipped * 32767.0)));
    }
    return out;
}

QList<qint16> decodeImaAdpcm(const QByteArray &data, int channels, int blockAlign)
{
    if (channels < 1 || channels > MaxChannels)
        return {};
    return decodeBlocks(data, blockAlign, 4 * channels,
                        [channels](const char *p, qsizetype size, QList<qint16> &out) {
                            decodeImaBlock(p, size, channels, out);
                        });
}

QList<qint16> decodeMsAdpcm(const QByteArray &data, int channels, int blockAlign,
                            const QList<QPair<int, int>> &coefficients)
{
    if (channels < 1 || channels > MaxChannels)
        return {};
    const auto &pairs = coefficients.isEmpty() ? standardMsCoefficients() : coefficients;
    return decodeBlocks(data, blockAlign, 7 * channels,
                        [channels, &pairs](const char *p, qsizetype size, QList<qint16> &out) {
                            decodeMsBlock(p, size, channels, pairs, out);
                        });
}

std::optional<Sound> decode(const QByteArray &file, QString *error)
{
    const std::optional<Container> container = parseContainer(file, error);
    if (!container)
        return std::nullopt;
    std::optional<QList<qint16>> samples = decodeData(*container, error);
    if (!samples)
        return std::nullopt;
    Sound sound;
    sound.channels = container->format.channels;
    sound.sampleRate = container->format.sampleRate;
    sound.samples = std::move(*samples);
    qsizetype frames = sound.frameCount();
    // Compressed blocks are padded to full size; the fact chunk says where the sound ends.
    const bool compressed = container->format.tag == ImaAdpcm || container->format.tag == MsAdpcm;
    if (compressed && container->factFrames && *container->factFrames > 0)
        frames = std::min<qsizetype>(frames, *container->factFrames);
    sound.samples.resize(frames * sound.channels);
    if (sound.samples.isEmpty()) {
        fail(error, QStringLiteral("The wave file holds no sound"));
        return std::nullopt;
    }
    return sound;
}

std::optional<Sound> decodeDevice(QIODevice &device, QString *error)
{
    if (device.size() > MaxFileBytes) {
        fail(error, QStringLiteral("The sound is too large to play (%1 MB; at most %2 MB)")
                        .arg(device.size() / (1024 * 1024))
                        .arg(MaxFileBytes / (1024 * 1024)));
        return std::nullopt;
    }
    // A sequential device does not know its size: read one byte past the limit to tell.
    const QByteArray bytes = device.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        fail(error, QStringLiteral("The sound is too large to play"));
        return std::nullopt;
    }
    return decode(bytes, error);
}

QByteArray encodePcm16(const Sound &sound)
{
    const quint32 dataBytes = quint32(sound.samples.size() * 2);
    const quint16 blockAlign = quint16(sound.channels * 2);
    QByteArray out(44, Qt::Uninitialized);
    char *p = out.data();
    auto put16 = [](char *at, quint16 v) { qToLittleEndian(v, at); };
    auto put32 = [](char *at, quint32 v) { qToLittleEndian(v, at); };
    memcpy(p, "RIFF", 4);
    put32(p + 4, 36 + dataBytes);
    memcpy(p + 8, "WAVEfmt ", 8);
    put32(p + 16, 16);
    put16(p + 20, Pcm);
    put16(p + 22, quint16(sound.channels));
    put32(p + 24, quint32(sound.sampleRate));
    put32(p + 28, quint32(sound.sampleRate) * blockAlign);
    put16(p + 32, blockAlign);
    put16(p + 34, 16);
    memcpy(p + 36, "data", 4);
    put32(p + 40, dataBytes);
    out.reserve(44 + qsizetype(dataBytes));
    for (qint16 sample : sound.samples) {
        char bytes[2];
        qToLittleEndian(sample, bytes);
        out.append(bytes, 2);
    }
    return out;
}

} // namespace gallerion::wav
