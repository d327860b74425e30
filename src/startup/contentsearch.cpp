#include "startup/contentsearch.h"

#include "platform/drivetable.h"
#include "platform/filesystem.h"

namespace gallerion {

namespace {
bool holdsPhotos(const FileSystem &files, const QString &root)
{
    return !files.list(root + QStringLiteral("\\zarvicks\\*.jpg")).isEmpty();
}

QString driveRoot(const char *letter)
{
    return QLatin1Char(*letter) + QStringLiteral(":");
}
} // namespace

ContentRoots searchContent(const FileSystem &files, const QString &programDir)
{
    ContentRoots roots;
    if (holdsPhotos(files, programDir))
        roots.photoRoot = programDir;
    for (const char *letter = DriveSearchOrder; *letter; ++letter) {
        const QString drive = driveRoot(letter);
        if (!holdsPhotos(files, drive))
            continue;
        roots.discRoot = drive;
        if (roots.photoRoot.isEmpty())
            roots.photoRoot = drive;
        return roots;
    }
    return roots;
}

QString missingDiscHint(const FileSystem &files)
{
    QString searched;
    for (const char *letter = DriveSearchOrder; *letter; ++letter) {
        const QString drive = driveRoot(letter);
        const QString folder = files.drives().directoryOf(QLatin1Char(*letter));
        if (folder.isEmpty())
            continue;
        const QString problem = files.imageProblem(drive);
        searched += problem.isEmpty()
                        ? QStringLiteral("  %1 %2\n")
                              .arg(drive, files.displayPath(drive + QStringLiteral("\\zarvicks")))
                        : QStringLiteral("  %1 %2 (not a readable disc image: %3)\n")
                              .arg(drive, folder, problem);
    }
    QString hint = QStringLiteral(
        "No content disc found: no drive from D: to Z: holds photos (zarvicks/*.jpg).\n");
    if (searched.isEmpty())
        hint += QStringLiteral("No drive is mounted under %1 or at /cdrom.\n")
                    .arg(volumeFolders().join(QStringLiteral(", ")));
    else
        hint += QStringLiteral("Looked in:\n") + searched;
    return hint + QStringLiteral("Name the disc image or the folder that holds the disc, for "
                                 "example:\n  zarvick-gallerion /path/to/gallerion.iso\n"
                                 "  GALLERION_DRIVES=\"E=/path/to/disc\" zarvick-gallerion\n");
}

} // namespace gallerion
