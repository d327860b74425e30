#include "catalogue/contentpaths.h"

namespace gallerion {

QString contentPath(const QString &root, QLatin1String directory, const QString &name)
{
    QString path;
    path.reserve(root.size() + directory.size() + name.size());
    return path.append(root).append(directory).append(name);
}

QString photoPath(const QString &photoRoot, const QString &name)
{
    return contentPath(photoRoot, ContentDir::Photos, name);
}

QString photoPattern(const QString &photoRoot)
{
    return photoPath(photoRoot, QStringLiteral("*.jpg"));
}

QString moviePattern(const QString &discRoot)
{
    return contentPath(discRoot, ContentDir::Movies, QStringLiteral("*.avi"));
}

} // namespace gallerion
