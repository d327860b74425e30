#include "media/speakerpicture.h"

#include <QPainter>
#include <QPainterPath>

namespace gallerion {

namespace {

// Drawn on a 16 x 16 grid, scaled to the size asked for.
QPixmap drawSpeaker(int size, bool waves)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    QPainterPath speaker;
    speaker.addPolygon(QPolygonF({QPointF(1.5, 5.5), QPointF(4.5, 5.5), QPointF(8.5, 2),
                                  QPointF(8.5, 14), QPointF(4.5, 10.5), QPointF(1.5, 10.5)}));
    speaker.closeSubpath();
    painter.setPen(QPen(QColor(0x20, 0x20, 0x30), 0.8));
    painter.setBrush(QColor(0x3a, 0x5f, 0x9f));
    painter.drawPath(speaker);
    if (waves) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0xc0, 0x30, 0x20), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (int ring = 0; ring < 3; ++ring) {
            const qreal r = 2.2 + ring * 2.0;
            painter.drawArc(QRectF(8.5 - r, 8 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
        }
    }
    return pixmap;
}

} // namespace

QPixmap speakerPicture()
{
    return drawSpeaker(96, true);
}

QIcon speakerIcon()
{
    QIcon icon;
    icon.addPixmap(drawSpeaker(16, false));
    icon.addPixmap(drawSpeaker(32, false));
    return icon;
}

} // namespace gallerion
