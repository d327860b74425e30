#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace gallerion {

// The three pictures the main window lays over its photo.
enum class ArtworkKind
{
    ClipArt,
    Emblem,
    Script
};

// Characters 3 and 4 of the caption: "1966" gives "66", "2001" gives "01".
QString artworkYearCode(const QString &caption);

// The picture file of an entry, after the disc root, as its button loads it.
QString artworkFile(ArtworkKind kind, const QString &caption);
// The clip art that follows a new selection (the same file, spelled otherwise).
QString clipArtReloadFile(const QString &caption);

// The error code of a picture that cannot be loaded by its button or loader.
QString artworkErrorCode(ArtworkKind kind);
inline constexpr const char *ClipArtReloadErrorCode = "ER024";

// Where a picture of the given size stands over the photo, in the photo's
// container; frame1Top is the top of the panel-button frame under the photo.
QPoint artworkPosition(ArtworkKind kind, const QSize &picture, const QRect &image4, int frame1Top);

// The advertisement of an entry, after the disc root: "\ads\66vazk00.jpg".
QString advertisementFile(const QString &caption);
// The viewer's caption: "The Zarvick Gallerion    1966 Advertisement".
QString advertisementTitle(const QString &caption);
// The box text when the advertisement cannot be shown.
QString advertisementApology();

} // namespace gallerion
