#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace gallerion {

// Maps drive letters to native directories. On Linux the letters D, E, ... go
// to mounted removable volumes in sorted order; GALLERION_DRIVES replaces the
// table ("E=/some/dir;F=/other").
class DriveTable
{
public:
    static DriveTable fromEnvironment();
    static DriveTable parse(const QString &text);
    static DriveTable fromMountPoints(QStringList mountPoints);

    // The native directory of a letter, or an empty text for an absent drive.
    QString directoryOf(QChar letter) const;
    QList<QChar> letters() const { return m_drives.keys(); }

private:
    QMap<QChar, QString> m_drives;
};

// Mount points of volumes that count as drives (removable media, ISO images).
QStringList mountedVolumeDirectories();
// The folders whose mounted volumes count as drives, besides /cdrom itself.
QStringList volumeFolders();

} // namespace gallerion
