// Fuzzed sources: src/platform/media/wavdecoder.cpp
// Seeds from the sample disc: disc/*.wav disc/*/*.wav
// Decodes arbitrary bytes as a wave file, and as bare ADPCM blocks whose channel count and block
// align the first bytes choose (odd and tiny aligns included), then writes what decoded.
#include "fuzzinput.h"
#include "platform/media/wavdecoder.h"

#include <QtEndian>

namespace wav = gallerion::wav;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = gallerion::fuzz::bytes(data, size);
    QString error;
    if (const std::optional<wav::Sound> sound = wav::decode(input, &error))
        wav::encodePcm16(*sound);
    if (input.size() < 3)
        return 0;
    const int channels = 1 + quint8(input.at(0)) % 8;
    const int blockAlign = qFromLittleEndian<quint16>(input.constData() + 1);
    const QByteArray blocks = input.sliced(3);
    wav::decodeImaAdpcm(blocks, channels, blockAlign);
    wav::decodeMsAdpcm(blocks, channels, blockAlign);
    wav::decodeMsAdpcm(blocks, channels, blockAlign, {{256, 0}, {-32768, 32767}});
    return 0;
}
