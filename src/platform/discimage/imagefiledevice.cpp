#include "platform/discimage/imagefiledevice.h"

#include <algorithm>

namespace gallerion {

ImageFileDevice::ImageFileDevice(const SectorLayout &layout, QList<ImageExtent> extents,
                                 qint64 size, QObject *parent)
    : QIODevice(parent), m_reader(layout), m_extents(std::move(extents)), m_size(size)
{}

bool ImageFileDevice::open(OpenMode mode)
{
    if ((mode & WriteOnly) || !(mode & ReadOnly)) {
        setErrorString(QStringLiteral("A file inside a disc image can only be read."));
        return false;
    }
    if (!m_reader.open()) {
        setErrorString(m_reader.errorString());
        return false;
    }
    return QIODevice::open(mode);
}

qint64 ImageFileDevice::readData(char *data, qint64 maxSize)
{
    qint64 done = 0;
    qint64 extentStart = 0;
    const qint64 from = pos();
    for (const ImageExtent &extent : std::as_const(m_extents)) {
        const qint64 extentEnd = extentStart + extent.bytes;
        const qint64 at = from + done;
        if (at < extentEnd && done < maxSize) {
            const qint64 want = std::min(maxSize - done, extentEnd - at);
            const qint64 got = m_reader.read(
                extent.sector * SectorReader::SectorBytes + (at - extentStart), data + done, want);
            if (got < 0) {
                setErrorString(m_reader.errorString());
                return done > 0 ? done : -1;
            }
            done += got;
            if (got < want) {
                // The image ends inside the file.
                setErrorString(QStringLiteral("The disc image ends inside this file."));
                return done > 0 ? done : -1;
            }
        }
        extentStart = extentEnd;
    }
    return done;
}

qint64 ImageFileDevice::writeData(const char *, qint64)
{
    return -1;
}

} // namespace gallerion
