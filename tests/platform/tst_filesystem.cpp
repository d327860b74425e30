#include "platform/filesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace gallerion;

namespace {
void touch(const QString &path, const QByteArray &content = "x")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
} // namespace

class FileSystemTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void driveTableParsing_data();
    void driveTableParsing();
    void mountPointsGetLettersFromD();

    void partsMatchRegardlessOfCase();
    void caseLookupSeesLaterChanges();
    void openReadsContentAndRefusesFolders();
    void bothSeparatorsSplitParts();
    void absentDriveListsNothing();
    void wildcardListingIgnoresCase();
    void listingIsFilesOnly();

    void copyReplacesTargetAndLeavesNoPartialFile();
    void failedCopyKeepsExistingTarget();
    void directoriesAndRemoval();
    void freeSpaceOfPresentAndAbsentDrives();
    void piecewiseCopyAcrossVolumes();

    void writableProgramDirIsUsedDirectly();
    void readOnlyProgramDirRedirectsUserFolders();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString root() const { return m_dir->path(); }
    FileSystem files() const
    {
        return FileSystem(DriveTable::parse(QStringLiteral("E=%1/disc;F=%1/missing").arg(root())),
                          root() + QStringLiteral("/program"), root() + QStringLiteral("/data"));
    }
};

void FileSystemTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void FileSystemTest::driveTableParsing_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one drive") << "E=/a"
                               << "E"
                               << "/a";
    QTest::newRow("second of two") << "E=/a;F=/b"
                                   << "F"
                                   << "/b";
    QTest::newRow("lower-case letter") << "e=/a"
                                       << "E"
                                       << "/a";
    QTest::newRow("lookup in lower case") << "E=/a"
                                          << "e"
                                          << "/a";
    QTest::newRow("absent letter") << "E=/a"
                                   << "G"
                                   << "";
    QTest::newRow("empty directory ignored") << "E=;F=/b"
                                             << "E"
                                             << "";
    QTest::newRow("malformed item ignored") << "EE=/x;F=/b"
                                            << "F"
                                            << "/b";
    QTest::newRow("trailing separator") << "E=/a;"
                                        << "E"
                                        << "/a";
    QTest::newRow("empty table") << ""
                                 << "D"
                                 << "";
}

void FileSystemTest::driveTableParsing()
{
    QFETCH(QString, table);
    QFETCH(QString, letter);
    QFETCH(QString, expected);
    QCOMPARE(DriveTable::parse(table).directoryOf(letter.at(0)), expected);
}

void FileSystemTest::mountPointsGetLettersFromD()
{
    const DriveTable table =
        DriveTable::fromMountPoints({QStringLiteral("/media/u/ZED"), QStringLiteral("/cdrom")});
    QCOMPARE(table.directoryOf(QLatin1Char('D')), QStringLiteral("/cdrom"));
    QCOMPARE(table.directoryOf(QLatin1Char('E')), QStringLiteral("/media/u/ZED"));
    QCOMPARE(table.directoryOf(QLatin1Char('F')), QString());
}

void FileSystemTest::partsMatchRegardlessOfCase()
{
    touch(root() + QStringLiteral("/disc/richtext/books.rtf"));
    const FileSystem fs = files();
    const QString expected = root() + QStringLiteral("/disc/richtext/books.rtf");
    QCOMPARE(fs.nativePath(QStringLiteral("E:\\RichText\\books.rtf")), expected);
    QCOMPARE(fs.nativePath(QStringLiteral("E:\\richtext\\BOOKS.RTF")), expected);
    QVERIFY(fs.exists(QStringLiteral("e:\\RICHTEXT\\Books.rtf")));
    QVERIFY(!fs.exists(QStringLiteral("E:\\RichText\\glossary.rtf")));
}

void FileSystemTest::openReadsContentAndRefusesFolders()
{
    touch(root() + QStringLiteral("/disc/richtext/books.rtf"), "{\\rtf1 x}");
    const FileSystem fs = files();
    const auto device = fs.open(QStringLiteral("E:\\RICHTEXT\\Books.rtf"));
    QVERIFY(device);
    QCOMPARE(device->size(), qint64(9));
    QCOMPARE(device->readAll(), QByteArray("{\\rtf1 x}"));
    QVERIFY(!fs.open(QStringLiteral("E:\\richtext")));
    QVERIFY(!fs.open(QStringLiteral("E:\\richtext\\absent.rtf")));
    QVERIFY(!fs.open(QStringLiteral("Q:\\richtext\\books.rtf")));
    QCOMPARE(fs.displayPath(QStringLiteral("E:\\richtext\\books.rtf")),
             QDir::toNativeSeparators(root() + QStringLiteral("/disc/richtext/books.rtf")));
}

void FileSystemTest::caseLookupSeesLaterChanges()
{
    touch(root() + QStringLiteral("/disc/zarvicks/64aaaa01.jpg"));
    const FileSystem fs = files();
    QCOMPARE(fs.nativePath(QStringLiteral("E:\\zarvicks\\64AAAA01.JPG")),
             root() + QStringLiteral("/disc/zarvicks/64aaaa01.jpg"));
    // Another program renames the file a little later.
    QTest::qWait(20);
    QVERIFY(QFile::rename(root() + QStringLiteral("/disc/zarvicks/64aaaa01.jpg"),
                          root() + QStringLiteral("/disc/zarvicks/64AaAa01.jpg")));
    QCOMPARE(fs.nativePath(QStringLiteral("E:\\zarvicks\\64AAAA01.JPG")),
             root() + QStringLiteral("/disc/zarvicks/64AaAa01.jpg"));
}

void FileSystemTest::bothSeparatorsSplitParts()
{
    touch(root() + QStringLiteral("/disc/Clipart/01clip.jpg"));
    const FileSystem fs = files();
    QVERIFY(fs.exists(QStringLiteral("E:/ClipArt/01clip.jpg")));
    QVERIFY(fs.exists(QStringLiteral("E:\\ClipArt/01CLIP.jpg")));
    // A native root followed by the program's backslash parts.
    QVERIFY(fs.exists(root() + QStringLiteral("/disc\\clipart\\01clip.jpg")));
}

void FileSystemTest::absentDriveListsNothing()
{
    const FileSystem fs = files();
    QVERIFY(fs.list(QStringLiteral("F:\\zarvicks\\*.jpg")).isEmpty());
    QVERIFY(fs.list(QStringLiteral("Q:\\zarvicks\\*.jpg")).isEmpty());
    QVERIFY(!fs.exists(QStringLiteral("Q:\\zarvicks")));
    QVERIFY(fs.nativePath(QStringLiteral("Q:\\x")).isEmpty());
}

void FileSystemTest::wildcardListingIgnoresCase()
{
    touch(root() + QStringLiteral("/disc/zarvicks/64AAAA01.JPG"));
    touch(root() + QStringLiteral("/disc/zarvicks/a0bbbb01.jpg"));
    touch(root() + QStringLiteral("/disc/zarvicks/notes.txt"));
    const QStringList names = files().list(QStringLiteral("E:\\Zarvicks\\*.jpg"));
    QCOMPARE(names, (QStringList{QStringLiteral("64AAAA01.JPG"), QStringLiteral("a0bbbb01.jpg")}));
}

void FileSystemTest::listingIsFilesOnly()
{
    QDir().mkpath(root() + QStringLiteral("/disc/movies/folder.avi"));
    touch(root() + QStringLiteral("/disc/movies/GTCS.avi"));
    QCOMPARE(files().list(QStringLiteral("E:\\movies\\*.avi")),
             QStringList{QStringLiteral("GTCS.avi")});
}

void FileSystemTest::copyReplacesTargetAndLeavesNoPartialFile()
{
    touch(root() + QStringLiteral("/disc/zarvicks/64AAAA01.jpg"), "new");
    touch(root() + QStringLiteral("/program/zarvicks/64AAAA01.JPG"), "old");
    const FileSystem fs = files();
    const QString target = fs.programDir() + QStringLiteral("\\zarvicks\\64AAAA01.JPG");
    QVERIFY(fs.copyFile(QStringLiteral("E:\\zarvicks\\64AAAA01.jpg"), target));
    QFile copied(fs.nativePath(target));
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), QByteArray("new"));
    QCOMPARE(QDir(root() + QStringLiteral("/program/zarvicks")).entryList(QDir::Files).size(), 1);
}

void FileSystemTest::failedCopyKeepsExistingTarget()
{
    touch(root() + QStringLiteral("/program/zarvicks/x.jpg"), "keep");
    const FileSystem fs = files();
    const QString target = fs.programDir() + QStringLiteral("\\zarvicks\\x.jpg");
    QVERIFY(!fs.copyFile(QStringLiteral("E:\\zarvicks\\missing.jpg"), target));
    QVERIFY(!fs.copyFile(QStringLiteral("Q:\\zarvicks\\x.jpg"), target));
    QFile kept(fs.nativePath(target));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep"));
}

void FileSystemTest::directoriesAndRemoval()
{
    const FileSystem fs = files();
    const QString dir = fs.programDir() + QStringLiteral("\\sszarvicks");
    QVERIFY(fs.makeDirectory(dir));
    QVERIFY(fs.makeDirectory(dir)); // an existing one is fine
    QVERIFY(fs.isDirectory(dir));
    touch(root() + QStringLiteral("/disc/a.jpg"));
    QVERIFY(fs.copyFile(QStringLiteral("E:\\a.jpg"), dir + QStringLiteral("\\a.jpg")));
    QVERIFY(!fs.removeDirectory(dir)); // not empty
    QVERIFY(fs.removeFile(dir + QStringLiteral("\\A.JPG")));
    QVERIFY(fs.removeDirectory(dir));
    QVERIFY(!fs.exists(dir));
}

void FileSystemTest::freeSpaceOfPresentAndAbsentDrives()
{
    QDir().mkpath(root() + QStringLiteral("/disc"));
    const FileSystem fs = files();
    // Other programs write meanwhile, so the two readings need only be close.
    const qint64 difference =
        std::abs(fs.freeSpace(QStringLiteral("E:")) - QStorageInfo(root()).bytesAvailable());
    QVERIFY(difference < 256LL * 1024 * 1024);
    QVERIFY(fs.freeSpace(QStringLiteral("E:")) > 0);
    QCOMPARE(fs.freeSpace(QStringLiteral("Q:")), -1);
}

// The disc and the hard disk are different volumes, where the kernel's own
// copy may refuse and the plain copy takes over.
void FileSystemTest::piecewiseCopyAcrossVolumes()
{
    QTemporaryDir other(QStringLiteral("/dev/shm/gallerion-XXXXXX"));
    if (!other.isValid() || QStorageInfo(other.path()) == QStorageInfo(root()))
        QSKIP("no second volume");
    QByteArray content(3 * 1024 * 1024 + 123, Qt::Uninitialized);
    for (qsizetype i = 0; i < content.size(); ++i)
        content[i] = char(i * 7 % 251);
    touch(other.path() + QStringLiteral("/film.avi"), content);
    QDir().mkpath(root() + QStringLiteral("/program/movies"));
    const FileSystem fs = files();
    const QString source = other.path() + QStringLiteral("\\film.avi");
    const QString target = fs.programDir() + QStringLiteral("\\movies\\film.avi");
    {
        const auto abandoned = fs.startCopy(source, target);
        QVERIFY(abandoned->open());
        QVERIFY(abandoned->copyNext(1000000));
        QVERIFY(!fs.exists(target));
    }
    QCOMPARE(QDir(root() + QStringLiteral("/program/movies")).entryList(QDir::Files),
             QStringList());
    const auto copy = fs.startCopy(source, target);
    QVERIFY(copy->open());
    while (!copy->atEnd())
        QVERIFY(copy->copyNext(1000000));
    QVERIFY(copy->commit());
    QFile copied(fs.nativePath(target));
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QVERIFY(copied.readAll() == content);
}

void FileSystemTest::writableProgramDirIsUsedDirectly()
{
    QDir().mkpath(root() + QStringLiteral("/program"));
    const FileSystem fs = files();
    QCOMPARE(fs.nativePath(fs.programDir() + QStringLiteral("\\zarvicks\\a.jpg")),
             root() + QStringLiteral("/program/zarvicks/a.jpg"));
}

void FileSystemTest::readOnlyProgramDirRedirectsUserFolders()
{
    // Nobody, root included, can write below /proc: an installed program.
    const QString program = QStringLiteral("/proc/zarvick-gallerion");
    const FileSystem fs(DriveTable(), program, root() + QStringLiteral("/data"));
    for (const char *folder : {"zarvicks", "Movies", "sszarvicks"}) {
        const QString path = program + QStringLiteral("\\%1\\x.jpg").arg(QLatin1String(folder));
        QVERIFY2(fs.nativePath(path).startsWith(root() + QStringLiteral("/data/")),
                 qPrintable(fs.nativePath(path)));
    }
    QVERIFY(fs.makeDirectory(program + QStringLiteral("\\sszarvicks")));
    QVERIFY(QFileInfo(root() + QStringLiteral("/data/sszarvicks")).isDir());
    // Shipped files are still read from the program's own folder.
    QCOMPARE(fs.nativePath(program + QStringLiteral("\\passby.wav")),
             program + QStringLiteral("/passby.wav"));
}

QTEST_GUILESS_MAIN(FileSystemTest)
#include "tst_filesystem.moc"
