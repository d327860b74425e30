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

    // Where a disc image goes among the drives: before them when the user has
    // just chosen it, after them when it was remembered from an earlier run,
    // so that a disc in a drive is found first.
    enum class ImagePlace
    {
        First,
        Last
    };
    // The table with the image as a drive; unchanged when it is there already.
    DriveTable withImage(const QString &imagePath, ImagePlace place) const;
    // The table with one drive set to a directory or image.
    DriveTable withDrive(QChar letter, const QString &path) const;

    // The native directory (or image file) of a letter, or an empty text for an absent drive.
    QString directoryOf(QChar letter) const;
    QList<QChar> letters() const { return m_drives.keys(); }

private:
    QMap<QChar, QString> m_drives;
};

// Whether a file is named like a disc image (ISO, BIN, CUE or IMG) and exists.
bool isDiscImageFile(const QString &path);

// Mount points of volumes that count as drives (removable media, ISO images).
QStringList mountedVolumeDirectories();
// The folders whose mounted volumes count as drives, besides /cdrom itself.
QStringList volumeFolders();

} // namespace gallerion
