#include "platform/rtf/rtfpicture.h"

#include "platform/twips.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace gallerion::rtf {

namespace {

// Pictures larger than this are not decoded, whatever their header claims.
constexpr int AllocationLimitMB = 64;
constexpr qreal MaxSide = 4000;

// \dibitmap data is a BMP file without its 14-byte file header.
QByteArray bmpFromDib(const QByteArray &dib)
{
    if (dib.size() < 40)
        return {};
    const quint32 headerSize = qFromLittleEndian<quint32>(dib.constData());
    const quint16 bitCount = qFromLittleEndian<quint16>(dib.constData() + 14);
    quint32 colours = qFromLittleEndian<quint32>(dib.constData() + 32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    const quint32 offset = 14 + qMin<quint32>(headerSize, 1024) + 4 * qMin<quint32>(colours, 256);
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(offset, file.data() + 10);
    return file + dib;
}

QImage readImage(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(AllocationLimitMB);
    return reader.read();
}

qreal clampSide(qreal pixels)
{
    return qBound<qreal>(1, pixels, MaxSide);
}

} // namespace

QImage decodePicture(const Picture &picture)
{
    const QByteArray data =
        picture.binary.isEmpty() ? QByteArray::fromHex(picture.hex) : picture.binary;
    switch (picture.format) {
    case Picture::Png:
        return readImage(data, "png");
    case Picture::Jpeg:
        return readImage(data, "jpeg");
    case Picture::Bitmap:
        return readImage(bmpFromDib(data), "bmp");
    default:
        return {};
    }
}

QSizeF displaySize(const Picture &picture, const QImage &image)
{
    QSizeF size;
    if (picture.goalWidth > 0 && picture.goalHeight > 0) {
        size = QSizeF(picture.goalWidth, picture.goalHeight) / TwipsPerPixel;
    } else if (!image.isNull()) {
        size = image.size();
    } else if (picture.format == Picture::Metafile) {
        // 0.01 mm at the screen's 96 pixels to the inch
        size = QSizeF(picture.width, picture.height) * (96.0 / 2540.0);
    } else {
        size = QSizeF(picture.width, picture.height);
    }
    return QSizeF(clampSide(size.width() * qBound(1, picture.scaleX, 1000) / 100.0),
                  clampSide(size.height() * qBound(1, picture.scaleY, 1000) / 100.0));
}

} // namespace gallerion::rtf
