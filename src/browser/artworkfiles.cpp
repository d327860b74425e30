#include "browser/artworkfiles.h"

namespace gallerion {

namespace {

const QString Dravent = QStringLiteral("The Classic Dravent ");
const QString Prototypes = QStringLiteral("Early Zarvick Prototypes ");

// The two special collections have their own emblem and script; the letter
// case of each name is the disc's own spelling.
QString emblemFile(const QString &caption)
{
    if (caption == Dravent)
        return QStringLiteral("\\emblems\\embdv.jpg");
    if (caption == Prototypes)
        return QStringLiteral("\\emblems\\EMBpt.jpg");
    return QStringLiteral("\\emblems\\emb") + artworkYearCode(caption) + QStringLiteral(".jpg");
}

QString scriptFile(const QString &caption)
{
    if (caption == Dravent)
        return QStringLiteral("\\SCRIPTS\\SCRIDV.jpg");
    if (caption == Prototypes)
        return QStringLiteral("\\SCRIPTS\\SCRIpt.jpg");
    return QStringLiteral("\\scripts\\scri") + artworkYearCode(caption) + QStringLiteral(".jpg");
}

} // namespace

QString artworkYearCode(const QString &caption)
{
    return caption.mid(2, 2);
}

QString artworkFile(ArtworkKind kind, const QString &caption)
{
    switch (kind) {
    case ArtworkKind::ClipArt:
        return QStringLiteral("\\Clipart\\") + artworkYearCode(caption) +
               QStringLiteral("clip.jpg");
    case ArtworkKind::Emblem:
        return emblemFile(caption);
    case ArtworkKind::Script:
        break;
    }
    return scriptFile(caption);
}

QString clipArtReloadFile(const QString &caption)
{
    return QStringLiteral("\\ClipArt\\") + artworkYearCode(caption) + QStringLiteral("clip.jpg");
}

QString artworkErrorCode(ArtworkKind kind)
{
    switch (kind) {
    case ArtworkKind::ClipArt:
        return QStringLiteral("ER035");
    case ArtworkKind::Emblem:
        return QStringLiteral("ER022");
    case ArtworkKind::Script:
        break;
    }
    return QStringLiteral("ER021");
}

QPoint artworkPosition(ArtworkKind kind, const QSize &picture, const QRect &image4, int frame1Top)
{
    switch (kind) {
    case ArtworkKind::ClipArt:
        return {image4.width() - picture.width() + 6, image4.top()};
    case ArtworkKind::Emblem:
        // Just above the frame of panel buttons.
        return {image4.width() - picture.width() + 9, frame1Top - picture.height() - 1};
    case ArtworkKind::Script:
        break;
    }
    return {image4.left() + 1, image4.top() + 25};
}

QString advertisementFile(const QString &caption)
{
    const QString name = caption == Dravent ? QStringLiteral("68VADV00.jpg")
                                            : caption.mid(2, 2) + QStringLiteral("vazk00.jpg");
    return QStringLiteral("\\ads\\") + name;
}

QString advertisementTitle(const QString &caption)
{
    return QStringLiteral("The Zarvick Gallerion    ") + caption + QStringLiteral(" Advertisement");
}

QString advertisementApology()
{
    return QStringLiteral("Sorry!\r\n\r\nThe Year 2001 ad has not yet been released by Vask.\r\n");
}

} // namespace gallerion
