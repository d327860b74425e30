// Fuzzed sources: src/platform/discimage/*.cpp
// Reads arbitrary bytes as a disc image: the input is the image from its
// volume descriptors on (the 16 system sectors before them are zero), laid
// out in 2048-byte sectors or, when its first byte is odd, in raw 2352-byte
// sectors. Every directory is walked and every file read whole.
#include "platform/discimage/isovolume.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>

namespace {

QByteArray imageBytes(const uint8_t *data, size_t size)
{
    QByteArray plain(16 * 2048, '\0');
    plain.append(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size == 0 || !(data[0] & 1))
        return plain;
    QByteArray raw;
    for (qsizetype at = 0; at < plain.size(); at += 2048) {
        raw += QByteArray::fromHex("00ffffffffffffffffffff0000000001");
        raw += plain.mid(at, 2048).leftJustified(2048, '\0');
        raw += QByteArray(2352 - 16 - 2048, '\0');
    }
    return raw;
}

void walk(const gallerion::IsoVolume &volume, const gallerion::ImageEntry &directory)
{
    for (const gallerion::ImageEntry &entry : volume.entriesOf(directory)) {
        if (entry.directory) {
            walk(volume, entry);
        } else if (volume.isWhole(entry)) {
            const std::unique_ptr<QIODevice> device = volume.device(entry);
            if (device->open(QIODevice::ReadOnly)) {
                char buffer[4096];
                while (device->read(buffer, sizeof buffer) > 0) {
                }
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path =
        QDir::tempPath() +
        QStringLiteral("/fuzz_discimage_%1.iso").arg(QCoreApplication::applicationPid());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(imageBytes(data, size));
    }
    QString error;
    if (const auto volume = gallerion::IsoVolume::load(path, &error)) {
        if (const gallerion::ImageEntry *root = volume->find({}))
            walk(*volume, *root);
    }
    return 0;
}
