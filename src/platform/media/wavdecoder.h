#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

class QIODevice;

// Reads wave sounds the way old authoring tools wrote them (odd lengths, truncated
// chunks, ADPCM) and turns them into plain 16-bit PCM, which every playback backend
// accepts without surprises.
namespace gallerion::wav {

enum FormatTag : quint16
{
    Pcm = 0x0001,
    MsAdpcm = 0x0002,
    IeeeFloat = 0x0003,
    ImaAdpcm = 0x0011,
    Extensible = 0xFFFE,
};

struct Format
{
    quint16 tag = 0;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    QByteArray extra; // bytes after cbSize in the fmt chunk
};

// Interleaved 16-bit samples.
struct Sound
{
    int channels = 0;
    int sampleRate = 0;
    QList<qint16> samples;

    qsizetype frameCount() const { return channels > 0 ? samples.size() / channels : 0; }
};

// A parsed RIFF WAVE file: its format and the raw bytes of its data chunk,
// clipped to what the file really holds.
struct Container
{
    Format format;
    QByteArray data;
    std::optional<qint64> factFrames; // frame count from the fact chunk, if any
};

std::optional<Container> parseContainer(const QByteArray &file, QString *error);

QList<qint16> decodePcm(const QByteArray &data, int bitsPerSample);
QList<qint16> decodeFloat(const QByteArray &data, int bitsPerSample);
QList<qint16> decodeImaAdpcm(const QByteArray &data, int channels, int blockAlign);
// coefficients: pairs (c1, c2); empty means the standard seven pairs.
QList<qint16> decodeMsAdpcm(const QByteArray &data, int channels, int blockAlign,
                            const QList<QPair<int, int>> &coefficients = {});

// Sound effects are seconds long; a file past this size is refused rather than decoded
// into memory four times its size.
inline constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;

std::optional<Sound> decode(const QByteArray &file, QString *error);
// Reads the whole device (open for reading) and decodes it; refuses a device larger
// than MaxFileBytes before reading it.
std::optional<Sound> decodeDevice(QIODevice &device, QString *error);

// A canonical 44-byte-header PCM file.
QByteArray encodePcm16(const Sound &sound);

} // namespace gallerion::wav
