#include "platform/drivetable.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace gallerion {

DriveTable DriveTable::fromEnvironment()
{
    const QString text = qEnvironmentVariable("GALLERION_DRIVES");
    if (qEnvironmentVariableIsSet("GALLERION_DRIVES"))
        return parse(text);
    return fromMountPoints(mountedVolumeDirectories());
}

DriveTable DriveTable::parse(const QString &text)
{
    DriveTable table;
    const QStringList items = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        if (eq != 1)
            continue;
        const QChar letter = item.at(0).toUpper();
        const QString dir = item.mid(2).trimmed();
        if (letter >= QLatin1Char('A') && letter <= QLatin1Char('Z') && !dir.isEmpty())
            table.m_drives.insert(letter, dir);
    }
    return table;
}

DriveTable DriveTable::fromMountPoints(QStringList mountPoints)
{
    std::sort(mountPoints.begin(), mountPoints.end());
    DriveTable table;
    char letter = 'D';
    for (const QString &dir : mountPoints) {
        if (letter > 'Z')
            break;
        table.m_drives.insert(QLatin1Char(letter++), dir);
    }
    return table;
}

DriveTable DriveTable::withImage(const QString &imagePath, ImagePlace place) const
{
    const QString image = QFileInfo(imagePath).absoluteFilePath();
    if (m_drives.values().contains(image))
        return *this;
    DriveTable table;
    if (place == ImagePlace::First && !m_drives.contains(QLatin1Char('D'))) {
        table = *this;
        table.m_drives.insert(QLatin1Char('D'), image);
        return table;
    }
    if (place == ImagePlace::First) {
        // The other drives move one letter on, keeping their order.
        QStringList paths = m_drives.values();
        paths.prepend(image);
        char letter = 'D';
        for (const QString &path : std::as_const(paths)) {
            if (letter > 'Z')
                break;
            table.m_drives.insert(QLatin1Char(letter++), path);
        }
        return table;
    }
    table = *this;
    const char after = m_drives.isEmpty() ? 'C' : char(m_drives.lastKey().unicode());
    const char next = char(std::max(after, 'C') + 1);
    if (next <= 'Z')
        table.m_drives.insert(QLatin1Char(next), image);
    return table;
}

DriveTable DriveTable::withDrive(QChar letter, const QString &path) const
{
    DriveTable table = *this;
    table.m_drives.insert(letter.toUpper(), path);
    return table;
}

QString DriveTable::directoryOf(QChar letter) const
{
    return m_drives.value(letter.toUpper());
}

bool isDiscImageFile(const QString &path)
{
    static const QStringList suffixes{QStringLiteral("iso"), QStringLiteral("bin"),
                                      QStringLiteral("cue"), QStringLiteral("img")};
    const QFileInfo info(path);
    return info.isFile() && suffixes.contains(info.suffix(), Qt::CaseInsensitive);
}

QStringList volumeFolders()
{
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    QStringList folders{QStringLiteral("/media/"), QStringLiteral("/mnt/")};
    if (!user.isEmpty()) {
        folders.prepend(QStringLiteral("/run/media/%1/").arg(user));
        folders.prepend(QStringLiteral("/media/%1/").arg(user));
    }
    return folders;
}

QStringList mountedVolumeDirectories()
{
    const QStringList prefixes = volumeFolders();
    QStringList result;
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        const QString root = volume.rootPath();
        const bool isDrive =
            root == QLatin1String("/cdrom") ||
            std::any_of(prefixes.cbegin(), prefixes.cend(), [&](const QString &prefix) {
                return root.startsWith(prefix) && root.size() > prefix.size();
            });
        if (isDrive && !result.contains(root))
            result.append(root);
    }
    return result;
}

} // namespace gallerion
