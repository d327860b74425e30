#include "pictures.h"
#include "scene.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>

namespace sampledisc {

namespace {

// Years are lettered with their digits, collections with their initials.
QString badgeText(const QString &title)
{
    if (title.at(0).isDigit())
        return QLatin1Char('\'') + title.right(2);
    QString initials;
    for (const QString &word : title.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        initials += word.at(0);
    return initials.left(3);
}

// Shrinks the font until the text fits the width.
QFont fitted(QFont font, const QString &text, qreal width)
{
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void drawClipArt(QPainter &painter, const DiscFile &file, const QRectF &area)
{
    painter.fillRect(area, Qt::white);
    paintCar(painter, area.adjusted(8, area.height() * 0.3, -8, -area.height() * 0.15),
             variantColor(file.variant, 230, 230));
    painter.setPen(Qt::black);
    painter.setFont(sampleFont(int(area.height() / 7)));
    painter.drawText(area.adjusted(4, 4, -4, -4),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, file.title);
}

void drawEmblem(QPainter &painter, const DiscFile &file, const QRectF &area)
{
    painter.fillRect(area, QColor(20, 20, 30));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(220, 190, 60), 3));
    painter.setBrush(variantColor(file.variant, 200, 160));
    painter.drawEllipse(area.adjusted(6, 6, -6, -6));
    const QString badge = badgeText(file.title);
    paintOutlinedText(painter, area, Qt::AlignCenter, badge,
                      fitted(sampleFont(int(area.height() / 3)), badge, area.width() - 24),
                      QColor(240, 220, 120));
}

void drawScript(QPainter &painter, const DiscFile &file, const QRectF &area)
{
    painter.fillRect(area, QColor(245, 245, 240));
    const QString text =
        file.title.at(0).isDigit() ? QStringLiteral("Zarvick ") + file.title : file.title;
    QFont font = sampleFont(int(area.height() / 2), true, true);
    font.setItalic(true);
    painter.setFont(fitted(font, text, area.width() - 12));
    painter.setPen(variantColor(file.variant, 230, 140));
    painter.drawText(area, Qt::AlignCenter, text);
}

void drawAdvertisement(QPainter &painter, const DiscFile &file, const QRectF &area)
{
    painter.fillRect(area, QColor(250, 246, 232));
    const QRectF scene(area.width() * 0.06, area.height() * 0.14, area.width() * 0.88,
                       area.height() * 0.5);
    paintLandscape(painter, scene, file.variant);
    paintCar(painter,
             QRectF(scene.left() + scene.width() * 0.2, scene.top() + scene.height() * 0.55,
                    scene.width() * 0.6, scene.width() * 0.22),
             variantColor(file.variant, 230, 200));
    painter.setPen(QColor(40, 30, 20));
    painter.setFont(sampleFont(int(qMin(area.height() / 14, area.width() / 11)), true, true));
    painter.drawText(QRectF(0, 0, area.width(), scene.top()), Qt::AlignCenter,
                     QStringLiteral("The %1 Zarvick").arg(file.title));
    painter.setFont(sampleFont(int(area.height() / 40), false, true));
    painter.drawText(
        area.adjusted(area.width() * 0.08, scene.bottom() + 20, -area.width() * 0.08, -20),
        Qt::AlignJustify | Qt::TextWordWrap,
        QStringLiteral("%1 Advertisement. Designed to be driven, built to be "
                       "admired: see the new Zarvick at your Vask dealer today. "
                       "Every model, every colour, every option of the year.")
            .arg(file.title));
}

void drawGraphic(QPainter &painter, const DiscFile &file, const QRectF &area)
{
    painter.fillRect(area, Qt::white);
    if (area.height() > area.width() / 2)
        paintCar(painter, area.adjusted(10, area.height() * 0.35, -10, -10), QColor(200, 20, 20));
    painter.setPen(QColor(20, 20, 90));
    painter.setFont(sampleFont(int(area.height() / 4), true, true));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, file.title);
}

} // namespace

QImage drawArtwork(const DiscFile &file)
{
    QImage image = blankImage(file.size, Qt::white);
    QPainter painter(&image);
    const QRectF area(QPointF(0, 0), QSizeF(file.size));
    switch (file.kind) {
    case FileKind::ClipArt:
        drawClipArt(painter, file, area);
        break;
    case FileKind::Emblem:
        drawEmblem(painter, file, area);
        break;
    case FileKind::Script:
        drawScript(painter, file, area);
        break;
    case FileKind::Advertisement:
        drawAdvertisement(painter, file, area);
        break;
    default:
        drawGraphic(painter, file, area);
        break;
    }
    return image;
}

QByteArray pictureFile(const DiscFile &file)
{
    const QImage image = file.kind == FileKind::Photo ? drawPhoto(file) : drawArtwork(file);
    return encodeImage(image, QFileInfo(file.path).suffix());
}

} // namespace sampledisc
