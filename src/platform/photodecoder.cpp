#include "platform/photodecoder.h"

#include <QColorSpace>
#include <QImageReader>
#include <QPainter>

namespace gallerion {

namespace {

// libjpeg reduces by 1/2, 1/4 and 1/8 with fast transforms; the other
// fractions Qt would pick use slow generic ones that cost several whole
// decodes, so only those are asked for and the rest is scaled here.
int fastReduction(const QSize &natural, const QSize &target)
{
    int reduction = 1;
    while (reduction < 8 && natural.width() / (reduction * 2) >= target.width() &&
           natural.height() / (reduction * 2) >= target.height())
        reduction *= 2;
    return reduction;
}

// The target in the orientation the reader turned the photo to.
QSize orientedSize(const QSize &size, const QImageReader &reader)
{
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)
               ? size.transposed()
               : size;
}

// What is left after a fast reduction is less than half, for which bilinear
// is sharp enough and costs a third of area averaging.
QImage scaledTo(const QImage &image, const QSize &size)
{
    if (image.width() >= 2 * size.width() || image.height() >= 2 * size.height())
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const bool alpha = image.hasAlphaChannel();
    QImage scaled(size, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    scaled.setColorSpace(image.colorSpace());
    if (alpha)
        scaled.fill(Qt::transparent);
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scaled.rect(), image);
    return scaled;
}

} // namespace

QImage readImageFitting(const QString &nativePath, const QSize &box)
{
    QImageReader reader(nativePath);
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    if (!natural.isValid() || !box.isValid() ||
        (natural.width() <= box.width() && natural.height() <= box.height()))
        return reader.read();
    const QSize target = natural.scaled(box, Qt::KeepAspectRatio);
    const int reduction = fastReduction(natural, target);
    if (reduction > 1 && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(natural / reduction);
    const QImage image = reader.read();
    const QSize shown = orientedSize(target, reader);
    if (image.isNull() || image.size() == shown)
        return image;
    return scaledTo(image, shown);
}

QImage readImageAsShown(const QString &nativePath, const QSize &box)
{
    const QImage image = readImageFitting(nativePath, box);
    if (image.isNull() || !box.isValid())
        return image;
    const QSize shown = image.size().scaled(box, Qt::KeepAspectRatio);
    return image.size() == shown ? image : scaledTo(image, shown);
}

} // namespace gallerion
