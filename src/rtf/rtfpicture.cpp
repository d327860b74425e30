#include "rtf/rtfpicture.h"

#include "rtf/rtfdib.h"
#include "rtf/rtfmetafile.h"
#include "rtf/rtfunits.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>

namespace gallerion::rtf {

namespace {

constexpr qreal MaxSide = 4000;
// Metafiles are drawn into at most this many pixels, whatever size they ask for.
constexpr qreal MaxMetafilePixels = 4'000'000;
constexpr qreal MetafileOversampling = 2;

QImage readImage(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(PictureAllocationLimitMB);
    return reader.read();
}

qreal clampSide(qreal pixels)
{
    return qBound<qreal>(1, pixels, MaxSide);
}

bool isMetafile(Picture::Format format)
{
    return format == Picture::WindowsMeta || format == Picture::EnhancedMeta ||
           format == Picture::OtherMetafile;
}

QSizeF uncroppedSize(const Picture &picture, const QImage &image);

QSize metafileCanvasSize(const Picture &picture)
{
    const QSizeF whole = uncroppedSize(picture, QImage());
    QSizeF size(clampSide(whole.width() * qBound(1, picture.scaleX, 1000) / 100.0),
                clampSide(whole.height() * qBound(1, picture.scaleY, 1000) / 100.0));
    size *= MetafileOversampling;
    const qreal pixels = size.width() * size.height();
    if (pixels > MaxMetafilePixels)
        size *= std::sqrt(MaxMetafilePixels / pixels);
    return QSize(qMax(1, qRound(size.width())), qMax(1, qRound(size.height())));
}

// The size before cropping.
QSizeF uncroppedSize(const Picture &picture, const QImage &image)
{
    QSizeF size;
    if (picture.goalWidth > 0 && picture.goalHeight > 0) {
        size = QSizeF(picture.goalWidth, picture.goalHeight) / RtfTwipsPerPixel;
    } else if (isMetafile(picture.format)) {
        // 0.01 mm at the screen's 96 pixels to the inch
        size = QSizeF(picture.width, picture.height) * (96.0 / 2540.0);
    } else if (!image.isNull()) {
        size = image.size();
    } else {
        size = QSizeF(picture.width, picture.height);
    }
    return size;
}

// The part of the picture left by \piccrop, as fractions of its sides.
QRectF croppedPart(const Picture &picture, const QImage &image)
{
    const QSizeF size = uncroppedSize(picture, image) * RtfTwipsPerPixel;
    if (size.isEmpty())
        return QRectF(0, 0, 1, 1);
    const auto fraction = [](int crop, qreal side) { return qBound(0.0, crop / side, 0.45); };
    const qreal left = fraction(picture.cropLeft, size.width());
    const qreal right = fraction(picture.cropRight, size.width());
    const qreal top = fraction(picture.cropTop, size.height());
    const qreal bottom = fraction(picture.cropBottom, size.height());
    return QRectF(left, top, 1 - left - right, 1 - top - bottom);
}

QImage decodeWhole(const Picture &picture);

} // namespace

QImage decodePicture(const Picture &picture)
{
    const QImage image = decodeWhole(picture);
    const QRectF part = croppedPart(picture, image);
    if (image.isNull() || part == QRectF(0, 0, 1, 1))
        return image;
    return image.copy(QRectF(part.left() * image.width(), part.top() * image.height(),
                             part.width() * image.width(), part.height() * image.height())
                          .toRect());
}

namespace {

QImage decodeWhole(const Picture &picture)
{
    const QByteArray data =
        picture.binary.isEmpty() ? QByteArray::fromHex(picture.hex) : picture.binary;
    switch (picture.format) {
    case Picture::Png:
        return readImage(data, "png");
    case Picture::Jpeg:
        return readImage(data, "jpeg");
    case Picture::Dib:
        return imageFromDib(data);
    case Picture::Ddb:
        return imageFromDdb(data, picture.width, picture.height, picture.bitsPerPixel,
                            picture.widthBytes);
    case Picture::WindowsMeta:
        return renderWindowsMetafile(data, metafileCanvasSize(picture));
    case Picture::EnhancedMeta:
        return renderEnhancedMetafile(data, metafileCanvasSize(picture));
    default:
        return {};
    }
}

} // namespace

QSizeF displaySize(const Picture &picture, const QImage &image)
{
    const QRectF part = croppedPart(picture, image);
    const QSizeF whole = uncroppedSize(picture, image);
    const QSizeF size(whole.width() * part.width(), whole.height() * part.height());
    return QSizeF(clampSide(size.width() * qBound(1, picture.scaleX, 1000) / 100.0),
                  clampSide(size.height() * qBound(1, picture.scaleY, 1000) / 100.0));
}

} // namespace gallerion::rtf
