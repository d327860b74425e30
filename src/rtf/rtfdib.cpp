#include "rtf/rtfdib.h"

#include "rtf/rtfbytes.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace gallerion::rtf {

namespace {

constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 BitFields = 3;

// Fields past the end of a short header read as 0.
quint32 u32(QByteArrayView data, qsizetype at)
{
    return ByteReader(data).u32(at);
}

quint16 u16(QByteArrayView data, qsizetype at)
{
    return ByteReader(data).u16(at);
}

// Where the bits start, counted from the start of the header.
qint64 bitsOffset(QByteArrayView dib)
{
    const quint32 headerSize = u32(dib, 0);
    if (headerSize == CoreHeaderSize) {
        const quint16 bitCount = u16(dib, 10);
        return CoreHeaderSize + (bitCount <= 8 ? 3 * (qint64(1) << bitCount) : 0);
    }
    if (headerSize < 40 || headerSize > 1024 || headerSize > quint32(dib.size()))
        return -1;
    const quint16 bitCount = u16(dib, 14);
    const quint32 compression = u32(dib, 16);
    quint32 colours = u32(dib, 32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    const qint64 masks = headerSize == 40 && compression == BitFields ? 12 : 0;
    return headerSize + masks + 4 * qint64(qMin<quint32>(colours, 256));
}

QImage readBmp(const QByteArray &file)
{
    QBuffer buffer;
    buffer.setData(file);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(PictureAllocationLimitMB);
    return reader.read();
}

} // namespace

QImage imageFromDib(QByteArrayView dib)
{
    if (dib.size() < qsizetype(CoreHeaderSize))
        return {};
    const qint64 offset = bitsOffset(dib);
    if (offset < 0 || offset > dib.size())
        return {};
    // The BMP reader wants the 14-byte file header in front.
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(14 + offset), file.data() + 10);
    file.append(dib.data(), dib.size());
    return readBmp(file);
}

QImage imageFromDib(QByteArrayView info, QByteArrayView bits)
{
    if (info.size() < qsizetype(CoreHeaderSize) || bits.isEmpty())
        return {};
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + info.size() + bits.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(14 + info.size()), file.data() + 10);
    file.append(info.data(), info.size());
    file.append(bits.data(), bits.size());
    return readBmp(file);
}

QImage imageFromDdb(QByteArrayView bits, int width, int height, int bitsPerPixel, int widthBytes)
{
    const qint64 pixels = qint64(width) * height;
    if (width <= 0 || height <= 0 || pixels > (PictureAllocationLimitMB << 18))
        return {};
    if (widthBytes <= 0)
        widthBytes = ((width * bitsPerPixel + 15) / 16) * 2; // rows end on a word
    if (qint64(widthBytes) * 8 < qint64(width) * bitsPerPixel ||
        qint64(widthBytes) * height > bits.size())
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const uchar *>(bits.data()) + qint64(y) * widthBytes;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bitsPerPixel) {
            case 1:
                out[x] = (row[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                break;
            case 4: {
                const int grey = ((row[x / 2] >> (x % 2 ? 0 : 4)) & 15) * 17;
                out[x] = qRgb(grey, grey, grey);
                break;
            }
            case 8:
                out[x] = qRgb(row[x], row[x], row[x]);
                break;
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 32:
                out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            default:
                return {};
            }
        }
    }
    return image;
}

} // namespace gallerion::rtf
