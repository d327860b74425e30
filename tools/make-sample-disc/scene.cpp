#include "scene.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sampledisc {

QColor variantColor(int variant, int saturation, int value)
{
    return QColor::fromHsv((variant * 47) % 360, saturation, value);
}

void paintCar(QPainter &painter, const QRectF &box, const QColor &body)
{
    const qreal w = box.width();
    const qreal h = box.height();
    auto at = [&](qreal x, qreal y) { return QPointF(box.left() + x * w, box.top() + y * h); };
    QPainterPath shape;
    shape.moveTo(at(0.02, 0.78));
    shape.lineTo(at(0.03, 0.50));
    shape.lineTo(at(0.25, 0.42));
    shape.lineTo(at(0.40, 0.12));
    shape.lineTo(at(0.64, 0.12));
    shape.lineTo(at(0.86, 0.44));
    shape.lineTo(at(0.98, 0.50));
    shape.lineTo(at(0.98, 0.78));
    shape.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(body.darker(220), qMax(1.0, w / 150)));
    painter.setBrush(body);
    painter.drawPath(shape);
    QPainterPath glass;
    glass.moveTo(at(0.30, 0.42));
    glass.lineTo(at(0.42, 0.18));
    glass.lineTo(at(0.62, 0.18));
    glass.lineTo(at(0.78, 0.42));
    glass.closeSubpath();
    painter.setBrush(QColor(190, 220, 240));
    painter.drawPath(glass);
    painter.setBrush(QColor(30, 30, 30));
    const qreal r = h * 0.2;
    for (qreal x : {0.22, 0.78})
        painter.drawEllipse(at(x, 0.78), r, r);
    painter.setBrush(QColor(200, 200, 200));
    for (qreal x : {0.22, 0.78})
        painter.drawEllipse(at(x, 0.78), r / 2, r / 2);
    painter.restore();
}

void paintLandscape(QPainter &painter, const QRectF &area, int variant)
{
    const qreal horizon = area.top() + area.height() * 0.62;
    QLinearGradient sky(area.topLeft(), QPointF(area.left(), horizon));
    sky.setColorAt(0, variantColor(variant + 3, 160, 150));
    sky.setColorAt(1, variantColor(variant + 3, 60, 250));
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), horizon - area.top()), sky);
    painter.fillRect(QRectF(area.left(), horizon, area.width(), area.bottom() - horizon),
                     QColor(70, 120 + (variant * 13) % 80, 60));
    const qreal roadTop = horizon + area.height() * 0.12;
    painter.fillRect(QRectF(area.left(), roadTop, area.width(), area.height() * 0.16),
                     QColor(60, 60, 64));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 120));
    const qreal sun = area.height() * 0.07;
    painter.drawEllipse(QPointF(area.left() + area.width() * (0.15 + (variant % 7) * 0.1),
                                area.top() + area.height() * 0.15),
                        sun, sun);
    painter.restore();
}

void paintOutlinedText(QPainter &painter, const QRectF &box, int flags, const QString &text,
                       const QFont &font, const QColor &fill)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 200));
    const qreal d = qMax(1, font.pixelSize() / 24);
    for (QPointF offset : {QPointF(-d, 0), QPointF(d, 0), QPointF(0, -d), QPointF(0, d)})
        painter.drawText(box.translated(offset), flags, text);
    painter.setPen(fill);
    painter.drawText(box, flags, text);
    painter.restore();
}

QFont sampleFont(int pixelSize, bool bold, bool serif)
{
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QImage blankImage(QSize size, const QColor &fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QByteArray encodeImage(const QImage &image, const QString &extension)
{
    const QString ext = extension.toLower();
    const char *format = ext == QLatin1String("jpg")   ? "JPEG"
                         : ext == QLatin1String("png") ? "PNG"
                                                       : "BMP";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, ext == QLatin1String("jpg") ? 85 : -1);
    return bytes;
}

} // namespace sampledisc
