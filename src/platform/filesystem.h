#pragma once

#include "platform/drivetable.h"
#include "platform/filecopy.h"

#include <QDateTime>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace gallerion {

class ImageCache;
class IsoVolume;
struct ImageEntry;

// Remembers the names of the directories looked up without regard to case: a
// photo directory holds thousands of names, and the photo list spells them in
// upper case. A directory is read again when its time stamp changes; the
// program's own writes keep the index current, so a copy loop does not re-read
// the directory it fills.
class NameIndex
{
public:
    QString lookUp(const QString &dir, const QString &name);
    void added(const QString &nativePath);
    void removed(const QString &nativePath);

private:
    struct Listing
    {
        QDateTime modified;
        QHash<QString, QString> names; // case-folded name to the name on disk
    };
    QHash<QString, Listing> m_listings;
};

// The program's file access. Paths are texts in the program's own form: a
// root (a drive "E:" or a native directory) followed by backslash-separated
// parts. Names on the disc are matched exactly first, then without regard to
// letter case, because the program spells one directory several ways. A
// drive may be a disc image file instead of a directory: it is read in place,
// and nothing is written to it.
class FileSystem
{
public:
    FileSystem(DriveTable drives, QString programDir, QString userDataDir);

    // The environment's drive table, program directory and data directory. A
    // disc image chosen for this run goes before the drives, one remembered
    // from an earlier run after them.
    static FileSystem fromEnvironment(const QString &chosenImage = {},
                                      const QString &rememberedImage = {});

    const QString &programDir() const { return m_programDir; }
    const DriveTable &drives() const { return m_drives; }
    // Sets one drive to a folder or disc image, as a disc changes in its drive.
    void setDrive(QChar letter, const QString &path)
    {
        m_drives = m_drives.withDrive(letter, path);
    }
    // Stands in for the Windows directory of the original platform.
    const QString &userDataDir() const { return m_userDataDir; }

    // Native path for a program path; empty when its drive is absent or the
    // path lies inside a disc image, which has no native files.
    QString nativePath(const QString &path) const;
    // Content is read through here, whatever holds it; null when it cannot be opened.
    std::unique_ptr<QIODevice> open(const QString &path) const;
    // The file as the user knows it on this system, for messages and panels.
    QString displayPath(const QString &path) const;

    // File names (no directory) matching the wildcard in the last part of the
    // pattern, sorted by name. An absent or unreadable place lists nothing.
    QStringList list(const QString &pattern) const;

    bool exists(const QString &path) const;
    bool isDirectory(const QString &path) const;
    bool copyFile(const QString &from, const QString &to) const;
    // A copy to run piece by piece; nothing is opened yet.
    std::unique_ptr<FileCopy> startCopy(const QString &from, const QString &to) const;
    bool removeFile(const QString &path) const;
    bool makeDirectory(const QString &path) const;
    bool removeDirectory(const QString &path) const;
    // Bytes free for the user on the volume that holds the path, or would hold
    // it once created; -1 if unknown.
    qint64 freeSpace(const QString &path) const;

    // Why the disc image a drive names cannot be read; empty when the drive is
    // no image or a readable one.
    QString imageProblem(const QString &root) const;

private:
    // A path on a drive that is a disc image.
    struct InImage
    {
        QString image;
        std::shared_ptr<const IsoVolume> volume; // null when the image is unreadable
        QString error;
        QStringList parts;
        const ImageEntry *entry() const;
    };
    std::optional<InImage> imagePlace(const QString &path) const;
    QStringList listImage(const InImage &dir, const QString &filter) const;

    QString rootDirectory(const QString &root) const;
    bool redirectsToUserData(const QString &path) const;

    DriveTable m_drives;
    QString m_programDir;
    QString m_userDataDir;
    std::shared_ptr<NameIndex> m_names;
    std::shared_ptr<ImageCache> m_images;
};

// The program path split into its root and its parts ("E:", {"richtext", "x.rtf"}).
struct SplitPath
{
    QString root;
    QStringList parts;
};
SplitPath splitProgramPath(const QString &path);

// Joins the parts below a native directory, matching each part exactly first,
// then case-insensitively; parts that do not exist are appended as written.
QString resolveBelow(const QString &nativeDir, const QStringList &parts,
                     NameIndex *index = nullptr);

} // namespace gallerion
