#include "startup/splashpicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace gallerion {

namespace {

void drawSky(QPainter &painter, const QRectF &area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(20, 30, 70));
    sky.setColorAt(0.6, QColor(200, 90, 40));
    sky.setColorAt(1.0, QColor(40, 40, 40));
    painter.fillRect(area, sky);
}

void drawCar(QPainter &painter, const QRectF &area)
{
    const qreal w = area.width();
    const qreal h = area.height();
    const qreal ground = area.top() + h * 0.82;
    QPainterPath body;
    body.moveTo(area.left() + w * 0.18, ground - h * 0.05);
    body.lineTo(area.left() + w * 0.20, ground - h * 0.16);
    body.lineTo(area.left() + w * 0.38, ground - h * 0.19);
    body.lineTo(area.left() + w * 0.48, ground - h * 0.30);
    body.lineTo(area.left() + w * 0.64, ground - h * 0.30);
    body.lineTo(area.left() + w * 0.74, ground - h * 0.19);
    body.lineTo(area.left() + w * 0.84, ground - h * 0.16);
    body.lineTo(area.left() + w * 0.84, ground - h * 0.05);
    body.closeSubpath();
    painter.setPen(QPen(QColor(250, 240, 220), 2));
    painter.setBrush(QColor(170, 20, 25));
    painter.drawPath(body);
    painter.setBrush(QColor(25, 25, 25));
    const qreal wheel = h * 0.09;
    painter.drawEllipse(QPointF(area.left() + w * 0.31, ground - h * 0.04), wheel, wheel);
    painter.drawEllipse(QPointF(area.left() + w * 0.71, ground - h * 0.04), wheel, wheel);
}

void drawTitle(QPainter &painter, const QRectF &area)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(qMax(12, int(area.height() / 9)));
    painter.setFont(font);
    painter.setPen(QColor(255, 230, 150));
    painter.drawText(area.adjusted(0, area.height() * 0.06, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("The Zarvick Gallerion\n2001"));
}

} // namespace

QPixmap drawSplashPicture(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    drawSky(painter, area);
    drawCar(painter, area);
    drawTitle(painter, area);
    return pixmap;
}

} // namespace gallerion
