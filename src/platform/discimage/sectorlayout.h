#pragma once

#include <QString>

#include <optional>

namespace gallerion {

// Where the 2048-byte logical sectors of an image lie in the file that holds
// them: an ISO holds them back to back; a raw BIN holds 2352-byte sectors with
// the payload behind a sync header (offset 16 in Mode 1, 24 in Mode 2 form 1).
struct SectorLayout
{
    QString dataFile;
    int sectorBytes = 2048;
    int payloadOffset = 0;

    bool isPlain() const { return sectorBytes == 2048; }
};

// The layout of the image at this path: a CUE sheet names its BIN and the
// track's mode; any other file is told apart by the sync header of its first
// sector. Empty, with the reason in error, when it is neither.
std::optional<SectorLayout> sectorLayoutOf(const QString &imagePath, QString *error);

// The layout a CUE sheet describes. The data file is looked for beside the
// sheet by its file name only, so a sheet cannot point elsewhere.
std::optional<SectorLayout> parseCueSheet(const QByteArray &sheet, const QString &sheetDir,
                                          QString *error);

} // namespace gallerion
