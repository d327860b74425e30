#include "platform/filesystem.h"

#include "platform/discimage/imagecache.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace gallerion {

namespace {

bool isDriveRoot(const QString &text)
{
    return text.size() >= 2 && text.at(1) == QLatin1Char(':') && text.at(0).isLetter() &&
           text.at(0).unicode() < 128;
}

// Folders of the program directory that a user's copy writes to.
bool isWritableSubfolder(const QString &name)
{
    static const QStringList names{QStringLiteral("zarvicks"), QStringLiteral("movies"),
                                   QStringLiteral("sszarvicks")};
    return names.contains(name, Qt::CaseInsensitive);
}

QString matchingEntry(const QString &dir, const QString &name, NameIndex *index)
{
    if (QFileInfo::exists(dir + QLatin1Char('/') + name))
        return name;
    if (index)
        return index->lookUp(dir, name);
    return NameIndex().lookUp(dir, name);
}

// The names of the plain files of a directory. A disc directory holds thousands
// of photos, so on Unix the entries are read directly instead of one QFileInfo each.
QStringList fileNamesIn(const QString &dir)
{
    QStringList names;
#ifdef Q_OS_UNIX
    DIR *handle = opendir(QFile::encodeName(dir).constData());
    if (!handle)
        return names;
    while (const dirent *entry = readdir(handle)) {
        const QString name = QFile::decodeName(entry->d_name);
        const bool plain =
            entry->d_type == DT_REG || ((entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) &&
                                        QFileInfo(dir + QLatin1Char('/') + name).isFile());
        if (plain)
            names.append(name);
    }
    closedir(handle);
#else
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
#endif
    return names;
}

} // namespace

SplitPath splitProgramPath(const QString &path)
{
    SplitPath split;
    QString rest;
    if (isDriveRoot(path)) {
        split.root = path.left(2).toUpper();
        rest = path.mid(2);
    } else {
        // A native root: everything up to the first backslash part.
        const qsizetype slash = path.indexOf(QLatin1Char('\\'));
        split.root = slash < 0 ? path : path.left(slash);
        rest = slash < 0 ? QString() : path.mid(slash);
    }
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    split.parts = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return split;
}

QString NameIndex::lookUp(const QString &dir, const QString &name)
{
    const QDateTime modified = QFileInfo(dir).lastModified();
    Listing &listing = m_listings[dir];
    if (!listing.modified.isValid() || listing.modified != modified) {
        listing.modified = modified;
        listing.names.clear();
        const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot);
        for (const QString &entry : entries)
            listing.names.insert(entry.toCaseFolded(), entry);
    }
    return listing.names.value(name.toCaseFolded(), name);
}

void NameIndex::added(const QString &nativePath)
{
    const QFileInfo info(nativePath);
    const auto listing = m_listings.find(info.path());
    if (listing == m_listings.end())
        return;
    listing->names.insert(info.fileName().toCaseFolded(), info.fileName());
    listing->modified = QFileInfo(info.path()).lastModified();
}

void NameIndex::removed(const QString &nativePath)
{
    const QFileInfo info(nativePath);
    const auto listing = m_listings.find(info.path());
    if (listing == m_listings.end())
        return;
    listing->names.remove(info.fileName().toCaseFolded());
    listing->modified = QFileInfo(info.path()).lastModified();
}

QString resolveBelow(const QString &nativeDir, const QStringList &parts, NameIndex *index)
{
    QString current = nativeDir;
    bool existing = true;
    for (const QString &part : parts) {
        const QString name = existing ? matchingEntry(current, part, index) : part;
        current =
            current.endsWith(QLatin1Char('/')) ? current + name : current + QLatin1Char('/') + name;
        existing = existing && QFileInfo::exists(current);
    }
    return current;
}

FileSystem::FileSystem(DriveTable drives, QString programDir, QString userDataDir)
    : m_drives(std::move(drives)), m_programDir(std::move(programDir)),
      m_userDataDir(std::move(userDataDir)), m_names(std::make_shared<NameIndex>()),
      m_images(std::make_shared<ImageCache>())
{}

FileSystem FileSystem::fromEnvironment(const QString &chosenImage, const QString &rememberedImage)
{
    QString programDir = qEnvironmentVariable("GALLERION_PROGRAM_DIR");
    if (programDir.isEmpty())
        programDir = QCoreApplication::applicationDirPath();
    while (programDir.size() > 1 && programDir.endsWith(QLatin1Char('/')))
        programDir.chop(1);
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/zarvick-gallerion");
    DriveTable drives = DriveTable::fromEnvironment();
    if (!chosenImage.isEmpty())
        drives = drives.withImage(chosenImage, DriveTable::ImagePlace::First);
    else if (isDiscImageFile(rememberedImage))
        drives = drives.withImage(rememberedImage, DriveTable::ImagePlace::Last);
    return FileSystem(drives, programDir, dataDir);
}

QString FileSystem::rootDirectory(const QString &root) const
{
    if (isDriveRoot(root))
        return m_drives.directoryOf(root.at(0));
    return root.isEmpty() ? QStringLiteral("/") : root;
}

bool FileSystem::redirectsToUserData(const QString &path) const
{
    if (!path.startsWith(m_programDir))
        return false;
    const SplitPath below = splitProgramPath(QStringLiteral("X:") + path.mid(m_programDir.size()));
    if (below.parts.isEmpty() || !isWritableSubfolder(below.parts.first()))
        return false;
    const QFileInfo dir(m_programDir);
    return !(dir.isDir() && dir.isWritable());
}

const ImageEntry *FileSystem::InImage::entry() const
{
    return volume ? volume->find(parts) : nullptr;
}

std::optional<FileSystem::InImage> FileSystem::imagePlace(const QString &path) const
{
    const SplitPath split = splitProgramPath(path);
    if (!isDriveRoot(split.root))
        return std::nullopt;
    const QString dir = rootDirectory(split.root);
    if (dir.isEmpty() || !QFileInfo(dir).isFile())
        return std::nullopt;
    ImageCache::Result loaded = m_images->volume(dir);
    return InImage{dir, std::move(loaded.volume), loaded.error, split.parts};
}

QString FileSystem::imageProblem(const QString &root) const
{
    const std::optional<InImage> place = imagePlace(root);
    return place ? place->error : QString();
}

QString FileSystem::nativePath(const QString &path) const
{
    if (imagePlace(path))
        return QString();
    if (redirectsToUserData(path)) {
        const QString rest = path.mid(m_programDir.size());
        return resolveBelow(m_userDataDir, splitProgramPath(QStringLiteral("X:") + rest).parts,
                            m_names.get());
    }
    const SplitPath split = splitProgramPath(path);
    const QString dir = rootDirectory(split.root);
    if (dir.isEmpty())
        return QString();
    return resolveBelow(dir, split.parts, m_names.get());
}

std::unique_ptr<QIODevice> FileSystem::open(const QString &path) const
{
    if (const std::optional<InImage> place = imagePlace(path)) {
        const ImageEntry *entry = place->entry();
        if (!entry || entry->directory || !place->volume->isWhole(*entry))
            return nullptr;
        std::unique_ptr<QIODevice> device = place->volume->device(*entry);
        if (!device->open(QIODevice::ReadOnly))
            return nullptr;
        return device;
    }
    const QString native = nativePath(path);
    if (native.isEmpty() || QFileInfo(native).isDir())
        return nullptr;
    auto file = std::make_unique<QFile>(native);
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    return file;
}

QString FileSystem::displayPath(const QString &path) const
{
    if (const std::optional<InImage> place = imagePlace(path)) {
        // The image's own spelling of each name it holds, the rest as written.
        QString shown = place->image;
        QStringList found;
        for (const QString &part : place->parts) {
            found.append(part);
            const ImageEntry *entry = place->volume ? place->volume->find(found) : nullptr;
            shown += QLatin1Char('/') + (entry ? entry->name : part);
        }
        return QDir::toNativeSeparators(shown);
    }
    const QString native = nativePath(path);
    return native.isEmpty() ? path : QDir::toNativeSeparators(native);
}

QStringList FileSystem::list(const QString &pattern) const
{
    const qsizetype cut =
        std::max(pattern.lastIndexOf(QLatin1Char('\\')), pattern.lastIndexOf(QLatin1Char('/')));
    const QString dirPath = cut < 0 ? QString() : pattern.left(cut);
    const QString filter = pattern.mid(cut + 1);
    if (const std::optional<InImage> place =
            imagePlace(dirPath.isEmpty() ? pattern.left(2) : dirPath))
        return filter.isEmpty() ? QStringList() : listImage(*place, filter);
    const QString native = nativePath(dirPath.isEmpty() ? pattern.left(2) : dirPath);
    if (native.isEmpty() || filter.isEmpty())
        return {};
    const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(filter),
                                      QRegularExpression::CaseInsensitiveOption);
    QStringList names = fileNamesIn(native);
    names.removeIf([&](const QString &name) { return !wildcard.match(name).hasMatch(); });
    std::sort(names.begin(), names.end());
    return names;
}

QStringList FileSystem::listImage(const InImage &dir, const QString &filter) const
{
    const ImageEntry *entry = dir.entry();
    if (!entry || !entry->directory)
        return {};
    const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(filter),
                                      QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const ImageEntry &child : dir.volume->entriesOf(*entry)) {
        if (!child.directory && wildcard.match(child.name).hasMatch())
            names.append(child.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool FileSystem::exists(const QString &path) const
{
    if (const std::optional<InImage> place = imagePlace(path))
        return place->entry() != nullptr;
    const QString native = nativePath(path);
    return !native.isEmpty() && QFileInfo::exists(native);
}

bool FileSystem::isDirectory(const QString &path) const
{
    if (const std::optional<InImage> place = imagePlace(path)) {
        const ImageEntry *entry = place->entry();
        return entry && entry->directory;
    }
    const QString native = nativePath(path);
    return !native.isEmpty() && QFileInfo(native).isDir();
}

bool FileSystem::copyFile(const QString &from, const QString &to) const
{
    const std::unique_ptr<FileCopy> copy = startCopy(from, to);
    return copy->open() && copy->copyNext(copy->size()) && copy->commit();
}

std::unique_ptr<FileCopy> FileSystem::startCopy(const QString &from, const QString &to) const
{
    if (const std::optional<InImage> place = imagePlace(from)) {
        const ImageEntry *entry = place->entry();
        std::unique_ptr<QIODevice> source =
            entry && !entry->directory && place->volume->isWhole(*entry)
                ? place->volume->device(*entry)
                : nullptr;
        return std::make_unique<FileCopy>(std::move(source), nativePath(to), m_names);
    }
    return std::make_unique<FileCopy>(nativePath(from), nativePath(to), m_names);
}

bool FileSystem::removeFile(const QString &path) const
{
    const QString native = nativePath(path);
    if (native.isEmpty() || !QFile::remove(native))
        return false;
    m_names->removed(native);
    return true;
}

bool FileSystem::makeDirectory(const QString &path) const
{
    const QString native = nativePath(path);
    if (native.isEmpty() || !QDir().mkpath(native))
        return false;
    m_names->added(QDir::cleanPath(native));
    return true;
}

bool FileSystem::removeDirectory(const QString &path) const
{
    const QString native = nativePath(path);
    if (native.isEmpty() || !QDir().rmdir(native))
        return false;
    m_names->removed(QDir::cleanPath(native));
    return true;
}

qint64 FileSystem::freeSpace(const QString &path) const
{
    // A disc holds no room for more.
    if (imagePlace(path))
        return 0;
    const QString native = nativePath(path);
    if (native.isEmpty())
        return -1;
    // A folder not made yet will live on the volume of its nearest existing parent.
    QFileInfo existing(native);
    while (!existing.exists() && !existing.isRoot())
        existing.setFile(existing.absolutePath());
    QStorageInfo info(existing.absoluteFilePath());
    return info.isValid() && info.isReady() ? info.bytesAvailable() : -1;
}

} // namespace gallerion
