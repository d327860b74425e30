#include "startup/contentsearch.h"

#include "platform/filesystem.h"

namespace gallerion {

namespace {
bool holdsPhotos(const FileSystem &files, const QString &root)
{
    return !files.list(root + QStringLiteral("\\zarvicks\\*.jpg")).isEmpty();
}
} // namespace

ContentRoots searchContent(const FileSystem &files, const QString &programDir)
{
    ContentRoots roots;
    if (holdsPhotos(files, programDir))
        roots.photoRoot = programDir;
    for (const char *letter = DriveSearchOrder; *letter; ++letter) {
        const QString drive = QLatin1Char(*letter) + QStringLiteral(":");
        if (!holdsPhotos(files, drive))
            continue;
        roots.discRoot = drive;
        if (roots.photoRoot.isEmpty())
            roots.photoRoot = drive;
        return roots;
    }
    return roots;
}

} // namespace gallerion
