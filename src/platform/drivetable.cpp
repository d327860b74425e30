#include "platform/drivetable.h"

#include <QDir>
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

QString DriveTable::directoryOf(QChar letter) const
{
    return m_drives.value(letter.toUpper());
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
