#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>

class QPainter;

namespace sampledisc {

// A colour family per variant, so that neighbouring entries look different.
QColor variantColor(int variant, int saturation = 200, int value = 220);

// Side view of a fastback coupe filling the given box.
void paintCar(QPainter &painter, const QRectF &box, const QColor &body);

// Sky with sun, grass and a road across the lower part of the rectangle.
void paintLandscape(QPainter &painter, const QRectF &area, int variant);

// Text with a dark outline so that it stays readable on any background.
void paintOutlinedText(QPainter &painter, const QRectF &box, int flags, const QString &text,
                       const QFont &font, const QColor &fill);

QFont sampleFont(int pixelSize, bool bold = true, bool serif = false);

QImage blankImage(QSize size, const QColor &fill);

// Image file bytes; the format comes from the file extension ("jpg", "png", "bmp").
QByteArray encodeImage(const QImage &image, const QString &extension);

} // namespace sampledisc
