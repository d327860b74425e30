#include "pictures.h"
#include "scene.h"

#include <QPainter>

namespace sampledisc {

QImage drawPhoto(const DiscFile &file)
{
    QImage image = blankImage(file.size, Qt::white);
    QPainter painter(&image);
    const QRectF area(QPointF(0, 0), QSizeF(file.size));
    paintLandscape(painter, area, file.variant);
    // The car moves along the road from photo to photo.
    const qreal carWidth = area.width() * 0.45;
    const qreal x = area.width() * (0.05 + 0.06 * ((file.number - 1) % 8));
    paintCar(painter, QRectF(x, area.height() * 0.55, carWidth, carWidth * 0.38),
             variantColor(file.variant + file.number, 220, 210));
    const QRectF top(16, 12, area.width() - 32, area.height() * 0.2);
    paintOutlinedText(painter, top, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, file.title,
                      sampleFont(int(area.height() / 12)), Qt::white);
    const QRectF corner(0, 0, area.width() - 20, area.height() - 8);
    paintOutlinedText(painter, corner, Qt::AlignRight | Qt::AlignBottom,
                      QString::number(file.number), sampleFont(int(area.height() / 4)),
                      QColor(255, 240, 120));
    return image;
}

} // namespace sampledisc
