#pragma once

#include <QLatin1String>
#include <QString>

namespace gallerion {

// The file-name rules of the year text panels. A selection S is the caption of
// the open entry: empty while nothing is open, a year "1964" ... "2001", or a
// collection name with its trailing blank. Paths are the part after DiscRoot.

// Where the lower-case texts live: "\richtext\".
inline const QString LowerTextDir = QStringLiteral("\\richtext\\");

// What a panel shows in the document viewer: the path whose file is looked up
// on the disc, the directory the found name is loaded from, and the caption.
struct PanelDocument
{
    QString lookupPath; // "\richtext\67desc.rtf"
    QString loadDir;    // "\richtext\" or "\RichText\"
    QString title;
};

// "67" for "1967", "01" for "2001".
QString yearCodeOf(const QString &selection);
// "a1" for "2001"; the texts of the years 2000 and 2001 are named with it.
QString millenniumCodeOf(const QString &selection);
bool isMillenniumYear(const QString &selection);
// "The Zarvick Gallerion       19" or, for 2000 and 2001, "...     20".
QString centuryTitleHead(const QString &selection);

PanelDocument descriptionDocument(const QString &selection);
PanelDocument colorsDocument(const QString &selection);
PanelDocument optionsDocument(const QString &selection);
// Engines, statistics or specifications; collections with per-photo details
// are not shown in the viewer (see detailsFileName).
PanelDocument statsDocument(const QString &selection);
// Nostalgia is loaded without a lookup: its lookup path is the file itself.
PanelDocument nostalgiaDocument(const QString &selection);

// The details file of photo number N of a collection with per-photo details
// ("pt006.rtf" for photo 3 of the prototypes); empty for any other selection.
QString detailsFileName(const QString &selection, int photoNumber);

// The number panPhoto shows, read as its leading digits; 0 without digits.
int photoNumberOf(const QString &caption);

// The details text named after a photo: "D:\zarvicks\pt006.jpg" gives
// "D:\RichText\pt006.rtf". codePosition is the 1-based position of
// "\zarvicks\" in the photo path. Details always live on the content disc, so
// the root is the disc's even when the photos were copied to the hard disk.
QString detailsPathOfPhoto(const QString &discRoot, const QString &photoPath, int codePosition);

} // namespace gallerion
