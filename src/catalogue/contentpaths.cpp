#include "catalogue/contentpaths.h"

namespace gallerion {

QString ContentPath(const QString &root, QLatin1String directory, const QString &name)
{
    QString path;
    path.reserve(root.size() + directory.size() + name.size());
    return path.append(root).append(directory).append(name);
}

QString PhotoPath(const QString &photoRoot, const QString &name)
{
    return ContentPath(photoRoot, ContentDir::Photos, name);
}

QString PhotoPattern(const QString &photoRoot)
{
    return PhotoPath(photoRoot, QStringLiteral("*.jpg"));
}

QString MoviePattern(const QString &discRoot)
{
    return ContentPath(discRoot, ContentDir::Movies, QStringLiteral("*.avi"));
}

} // namespace gallerion
