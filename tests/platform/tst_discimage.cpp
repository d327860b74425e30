#include "platform/discimage/directoryrecords.h"
#include "platform/discimage/isovolume.h"
#include "platform/discimage/sectorlayout.h"
#include "platform/filesystem.h"
#include "support/discimages.h"
#include "support/e2e.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gallerion;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One directory record as ECMA-119 lays it out, with an optional system use area.
QByteArray record(const QByteArray &name, quint32 sector, quint32 size, quint8 flags,
                  const QByteArray &systemUse = {})
{
    QByteArray rec(33, '\0');
    for (int i = 0; i < 4; ++i) {
        rec[2 + i] = char(sector >> (8 * i));
        rec[10 + i] = char(size >> (8 * i));
    }
    rec[18] = char(101); // 2001
    rec[19] = 1;
    rec[20] = 1;
    rec[25] = char(flags);
    rec[32] = char(name.size());
    rec += name;
    if (name.size() % 2 == 0)
        rec += '\0';
    rec += systemUse;
    rec[0] = char(rec.size());
    return rec;
}

QByteArray nameEntry(const QByteArray &name, quint8 flags = 0)
{
    return QByteArray("NM") + char(5 + name.size()) + char(1) + char(flags) + name;
}

QStringList folded(QStringList names)
{
    for (QString &name : names)
        name = name.toCaseFolded();
    names.sort();
    return names;
}

} // namespace

class DiscImageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void imageReadsLikeTheFolder_data();
    void imageReadsLikeTheFolder();
    void devicesSeekAndCopy();
    void imagesAreReadOnly();

    void damagedImagesReadSafely();
    void notAnImageIsReported();
    void recordsThatCannotBeNamesAreLeftOut();
    void multiExtentFilesJoinBeyondFourGiB();
    void rockRidgeNamesAndContinuations();
    void cueSheets();
    void imagesJoinTheDriveTable();

private:
    FileSystem filesOn(const QString &drive) const
    {
        return FileSystem(DriveTable::parse(QStringLiteral("E=") + drive), m_dir.path(),
                          m_dir.path() + QStringLiteral("/data"));
    }
    QString image(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_folder;
};

void DiscImageTest::initTestCase()
{
    GALLERION_REQUIRE_XORRISO();
    // The photos and articles of the sample disc, with a nested folder: the
    // films would only make the images slow to write.
    m_folder = m_dir.filePath(QStringLiteral("folder"));
    const QString disc = test::sampleDiscDir() + QStringLiteral("/disc");
    for (const QString &sub : {QStringLiteral("zarvicks"), QStringLiteral("richtext")}) {
        QDirIterator it(disc + QLatin1Char('/') + sub, QDir::Files);
        QVERIFY(QDir().mkpath(m_folder + QLatin1Char('/') + sub));
        while (it.hasNext()) {
            it.next();
            QVERIFY(QFile::copy(it.filePath(), m_folder + QLatin1Char('/') + sub +
                                                   QLatin1Char('/') + it.fileName()));
        }
    }
    QVERIFY(QDir().mkpath(m_folder + QStringLiteral("/deep/er")));
    QFile deep(m_folder + QStringLiteral("/deep/er/note.txt"));
    QVERIFY(deep.open(QIODevice::WriteOnly));
    deep.write(QByteArray(5000, 'n'));
    deep.close();

    QCOMPARE(
        test::makeIso(m_folder, image(QStringLiteral("rr.iso")), test::IsoNames::JolietRockRidge),
        QString());
    QCOMPARE(test::makeIso(m_folder, image(QStringLiteral("l1.iso")), test::IsoNames::Level1),
             QString());
    QCOMPARE(test::makeRawBin(image(QStringLiteral("rr.iso")), image(QStringLiteral("m1.bin")),
                              image(QStringLiteral("m1.cue")), 1),
             QString());
    QCOMPARE(test::makeRawBin(image(QStringLiteral("rr.iso")), image(QStringLiteral("m2.bin")),
                              image(QStringLiteral("m2.cue")), 2),
             QString());
}

void DiscImageTest::imageReadsLikeTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exactNames");
    QTest::newRow("joliet and rock ridge") << QStringLiteral("rr.iso") << true;
    QTest::newRow("level 1") << QStringLiteral("l1.iso") << false;
    QTest::newRow("raw mode 1 by its cue") << QStringLiteral("m1.cue") << true;
    QTest::newRow("raw mode 2 by its cue") << QStringLiteral("m2.cue") << true;
    QTest::newRow("raw bin alone") << QStringLiteral("m2.bin") << true;
}

void DiscImageTest::imageReadsLikeTheFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, exactNames);
    const FileSystem fromImage = filesOn(image(name));
    const FileSystem fromFolder = filesOn(m_folder);
    QCOMPARE(fromImage.imageProblem(QStringLiteral("E:")), QString());

    const QStringList photos = fromFolder.list(QStringLiteral("E:\\zarvicks\\*.jpg"));
    QVERIFY(photos.size() > 10);
    const QStringList listed = fromImage.list(QStringLiteral("E:\\ZarVicks\\*.JPG"));
    if (exactNames)
        QCOMPARE(listed, photos);
    else
        QCOMPARE(folded(listed), folded(photos));
    QCOMPARE(fromImage.list(QStringLiteral("E:\\*")), QStringList());

    // Every photo and article opens with the folder's bytes, under either spelling.
    for (const QString &pattern :
         {QStringLiteral("zarvicks\\*.jpg"), QStringLiteral("richtext\\*")}) {
        const QString dir = QStringLiteral("E:\\") + pattern.section(QLatin1Char('\\'), 0, 0);
        for (const QString &file : fromFolder.list(QStringLiteral("E:\\") + pattern)) {
            if (!exactNames && file.section(QLatin1Char('.'), 0, 0).size() > 8)
                continue; // level 1 holds such a name shortened
            const QString path = dir + QLatin1Char('\\') + file.toUpper();
            const std::unique_ptr<QIODevice> device = fromImage.open(path);
            QVERIFY2(device, qPrintable(path));
            QVERIFY(!device->isSequential());
            QCOMPARE(device->size(),
                     QFileInfo(m_folder + QLatin1Char('/') +
                               pattern.section(QLatin1Char('\\'), 0, 0) + QLatin1Char('/') + file)
                         .size());
            QCOMPARE(device->readAll(), fromFolder.open(dir + QLatin1Char('\\') + file)->readAll());
        }
    }
    QVERIFY(fromImage.isDirectory(QStringLiteral("E:\\deep\\ER")));
    QVERIFY(fromImage.isDirectory(QStringLiteral("E:")));
    QVERIFY(!fromImage.isDirectory(QStringLiteral("E:\\deep\\er\\note.txt")));
    QVERIFY(fromImage.exists(QStringLiteral("e:/DEEP/er/Note.TXT")));
    QVERIFY(!fromImage.exists(QStringLiteral("E:\\deep\\note.txt")));
    QVERIFY(!fromImage.open(QStringLiteral("E:\\deep")));
    QCOMPARE(fromImage.open(QStringLiteral("E:\\deep\\er\\note.txt"))->readAll(),
             QByteArray(5000, 'n'));

    // The user sees where the image is, in the image's own spelling; no native file exists.
    const QString shown = fromImage.displayPath(QStringLiteral("E:\\ZARVICKS\\") + photos.first());
    QCOMPARE(shown, image(name) + QStringLiteral("/") +
                        (exactNames ? QStringLiteral("zarvicks/") + photos.first()
                                    : QStringLiteral("ZARVICKS/") + photos.first().toUpper()));
    QCOMPARE(fromImage.displayPath(QStringLiteral("E:\\zarvicks\\gone.jpg")),
             image(name) +
                 (exactNames ? QStringLiteral("/zarvicks") : QStringLiteral("/ZARVICKS")) +
                 QStringLiteral("/gone.jpg"));
    QCOMPARE(fromImage.nativePath(QStringLiteral("E:\\zarvicks\\") + photos.first()), QString());
}

void DiscImageTest::devicesSeekAndCopy()
{
    const FileSystem folder = filesOn(m_folder);
    const QString photo = QStringLiteral("E:\\zarvicks\\") +
                          folder.list(QStringLiteral("E:\\zarvicks\\*.jpg")).first();
    const QByteArray bytes = folder.open(photo)->readAll();
    for (const QString &name : {QStringLiteral("rr.iso"), QStringLiteral("m1.cue")}) {
        const FileSystem files = filesOn(image(name));
        const std::unique_ptr<QIODevice> device = files.open(photo);
        QVERIFY(device);
        // Back and forth across sector boundaries, as a film player seeks.
        for (const qint64 at : {bytes.size() - 10, qint64(2047), qint64(3), bytes.size() / 2}) {
            QVERIFY(device->seek(at));
            QCOMPARE(device->read(3000), bytes.mid(at, 3000));
        }
        QVERIFY(device->seek(bytes.size()));
        QCOMPARE(device->read(10), QByteArray());

        const QString target =
            m_dir.filePath(QStringLiteral("copy-") + name + QStringLiteral(".jpg"));
        QVERIFY(files.copyFile(photo, target));
        QCOMPARE(contentOf(target), bytes);
        QVERIFY(!QFile::exists(target + QStringLiteral(".partial")));
        QVERIFY(!files.copyFile(QStringLiteral("E:\\zarvicks\\gone.jpg"),
                                target + QStringLiteral("2")));
        QVERIFY(!QFile::exists(target + QStringLiteral("2")));
    }
}

void DiscImageTest::imagesAreReadOnly()
{
    const FileSystem files = filesOn(image(QStringLiteral("rr.iso")));
    const QByteArray before = contentOf(image(QStringLiteral("rr.iso")));
    QVERIFY(!files.makeDirectory(QStringLiteral("E:\\new")));
    QVERIFY(!files.removeFile(QStringLiteral("E:\\deep\\er\\note.txt")));
    QVERIFY(!files.removeDirectory(QStringLiteral("E:\\deep\\er")));
    QVERIFY(
        !files.copyFile(QStringLiteral("E:\\deep\\er\\note.txt"), QStringLiteral("E:\\deep\\x")));
    const std::unique_ptr<QIODevice> device = files.open(QStringLiteral("E:\\deep\\er\\note.txt"));
    QCOMPARE(device->write("x"), qint64(-1));
    QCOMPARE(files.freeSpace(QStringLiteral("E:\\zarvicks")), qint64(0));
    QCOMPARE(contentOf(image(QStringLiteral("rr.iso"))), before);
}

void DiscImageTest::damagedImagesReadSafely()
{
    const QString source = image(QStringLiteral("l1.iso"));
    const qint64 whole = QFileInfo(source).size();
    // Cut inside the files: the directories read, the photos past the cut do not open.
    QCOMPARE(test::truncateImage(source, image(QStringLiteral("cut.iso")), whole / 2), QString());
    const FileSystem cut = filesOn(image(QStringLiteral("cut.iso")));
    const QStringList photos = cut.list(QStringLiteral("E:\\zarvicks\\*.jpg"));
    QVERIFY(!photos.isEmpty());
    int unreadable = 0;
    for (const QString &photo : photos) {
        const std::unique_ptr<QIODevice> device =
            cut.open(QStringLiteral("E:\\zarvicks\\") + photo);
        unreadable += device ? 0 : 1;
        QVERIFY(!cut.copyFile(QStringLiteral("E:\\zarvicks\\") + photo,
                              m_dir.filePath(QStringLiteral("c.jpg"))) ||
                device);
    }
    QVERIFY(unreadable > 0);

    // Cut before the volume descriptors: no image at all, said so.
    QCOMPARE(test::truncateImage(source, image(QStringLiteral("stub.iso")), 20000), QString());
    const FileSystem stub = filesOn(image(QStringLiteral("stub.iso")));
    QVERIFY(!stub.imageProblem(QStringLiteral("E:")).isEmpty());
    QVERIFY(stub.list(QStringLiteral("E:\\zarvicks\\*.jpg")).isEmpty());
    QVERIFY(!stub.exists(QStringLiteral("E:\\zarvicks")));

    // A directory that points back at the root lists nothing instead of going round.
    QCOMPARE(test::loopImage(source, image(QStringLiteral("loop.iso"))), QString());
    const FileSystem loop = filesOn(image(QStringLiteral("loop.iso")));
    QCOMPARE(loop.imageProblem(QStringLiteral("E:")), QString());
    QVERIFY(loop.isDirectory(QStringLiteral("E:\\deep")));
    QVERIFY(loop.list(QStringLiteral("E:\\deep\\*")).isEmpty());
    QVERIFY(!loop.exists(QStringLiteral("E:\\deep\\deep\\deep")));
}

void DiscImageTest::notAnImageIsReported()
{
    const QString text = image(QStringLiteral("notes.iso"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100000, 'x'));
    file.close();
    const FileSystem files = filesOn(text);
    QVERIFY(!files.imageProblem(QStringLiteral("E:")).isEmpty());
    QVERIFY(files.list(QStringLiteral("E:\\*")).isEmpty());
    QVERIFY(!files.open(QStringLiteral("E:\\x")));
    // A folder drive is no image and has no problem of that kind.
    QCOMPARE(filesOn(m_folder).imageProblem(QStringLiteral("E:")), QString());
}

void DiscImageTest::recordsThatCannotBeNamesAreLeftOut()
{
    QByteArray sector = record(QByteArray(1, '\0'), 20, 2048, 0x02) +
                        record(QByteArray(1, '\1'), 20, 2048, 0x02) +
                        record("PHOTO1.JPG;1", 30, 100, 0) + record("SUB.;1", 40, 2048, 0x02);
    RecordRules rock;
    rock.form = NameForm::RockRidge;
    // Rock Ridge names that would climb out of the directory or hold a separator.
    sector +=
        record("A.;1", 50, 1, 0, nameEntry("..")) + record("B.;1", 51, 1, 0, nameEntry("x/y")) +
        record("C.;1", 52, 1, 0, nameEntry("x\\y")) + record("D.;1", 53, 1, 0, nameEntry("", 0x02));
    // A record whose length runs past its sector spoils only the rest of that sector.
    sector += QByteArray(1, char(200));
    sector = sector.leftJustified(2048, '\0');
    sector += record("NEXT.TXT;1", 60, 7, 0);
    const QList<ImageEntry> plain = parseDirectoryRecords(sector, RecordRules());
    QStringList names;
    for (const ImageEntry &entry : plain)
        names << entry.name;
    QCOMPARE(names, (QStringList{QStringLiteral("PHOTO1.JPG"), QStringLiteral("SUB"),
                                 QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                 QStringLiteral("D"), QStringLiteral("NEXT.TXT")}));
    QVERIFY(plain.at(1).directory);
    QCOMPARE(plain.at(0).extents.first().sector, qint64(30));
    QCOMPARE(plain.at(0).modified.date(), QDate(2001, 1, 1));

    names.clear();
    for (const ImageEntry &entry : parseDirectoryRecords(sector, rock))
        names << entry.name;
    // "D" carries only a "current directory" name: its ISO name stands.
    QCOMPARE(names, (QStringList{QStringLiteral("PHOTO1.JPG"), QStringLiteral("SUB"),
                                 QStringLiteral("D"), QStringLiteral("NEXT.TXT")}));
    QVERIFY(parseDirectoryRecords(QByteArray(4096, '\xff'), RecordRules()).isEmpty());
}

void DiscImageTest::multiExtentFilesJoinBeyondFourGiB()
{
    const QByteArray extents = record("BIG.MKV;1", 100, 0xFFFFF800u, 0x80) +
                               record("BIG.MKV;1", 100 + 0x1FFFFF, 0xFFFFF800u, 0x80) +
                               record("BIG.MKV;1", 100 + 2 * 0x1FFFFF, 4096, 0) +
                               record("BIG.MKV;1", 900, 10, 0);
    const QList<ImageEntry> entries = parseDirectoryRecords(extents, RecordRules());
    QCOMPARE(entries.size(), 2); // the last is a second file of the same name, kept apart
    QCOMPARE(entries.first().size, 2 * qint64(0xFFFFF800u) + 4096);
    QCOMPARE(entries.first().extents.size(), 3);
    QCOMPARE(entries.last().size, qint64(10));
}

void DiscImageTest::rockRidgeNamesAndContinuations()
{
    RecordRules rules;
    rules.form = NameForm::RockRidge;
    int asked = 0;
    rules.continuation = [&asked](qint64 sector, qint64 offset, qint64 length) {
        ++asked;
        // A continuation that names itself again must not go on for ever.
        const QByteArray ce = QByteArray("CE") + char(28) + char(1) + QByteArray(24, '\0');
        Q_UNUSED(sector);
        Q_UNUSED(offset);
        Q_UNUSED(length);
        return nameEntry("Long Name.jpg", 0x01).append(ce);
    };
    const QByteArray ce = QByteArray("CE") + char(28) + char(1) + QByteArray(24, '\0');
    const QList<ImageEntry> entries = parseDirectoryRecords(
        record("LONGNAME.JPG;1", 10, 5, 0, nameEntry("Part", 0x01) + ce), rules);
    QCOMPARE(entries.size(), 1);
    QVERIFY(entries.first().name.startsWith(QStringLiteral("PartLong Name.jpg")));
    QVERIFY(asked > 0 && asked <= 9);
}

void DiscImageTest::cueSheets()
{
    QTemporaryDir dir;
    QFile bin(dir.filePath(QStringLiteral("Disc.BIN")));
    QVERIFY(bin.open(QIODevice::WriteOnly));
    bin.close();
    QString error;
    // Another machine's path, and another case: the file beside the sheet is meant.
    auto layout = parseCueSheet("FILE \"C:\\rips\\disc.bin\" BINARY\n  TRACK 01 MODE2/2352\n",
                                dir.path(), &error);
    QVERIFY2(layout, qPrintable(error));
    QCOMPARE(layout->dataFile, bin.fileName());
    QCOMPARE(layout->payloadOffset, 24);
    layout = parseCueSheet("FILE Disc.BIN BINARY\nTRACK 01 MODE1/2048\n", dir.path(), &error);
    QVERIFY(layout && layout->isPlain());
    QVERIFY(!parseCueSheet("FILE \"../Disc.BIN/..\" BINARY\nTRACK 01 MODE1/2352\n", dir.path(),
                           &error));
    QVERIFY(!parseCueSheet("FILE \"Disc.BIN\" BINARY\nTRACK 01 AUDIO\n", dir.path(), &error));
    QVERIFY(error.contains(QStringLiteral("AUDIO")));
    QVERIFY(!parseCueSheet("FILE \"other.bin\" BINARY\nTRACK 01 MODE1/2352\n", dir.path(), &error));
    QVERIFY(!parseCueSheet("TRACK 01 MODE1/2352\n", dir.path(), &error));
    QVERIFY(!parseCueSheet("", dir.path(), &error));
}

void DiscImageTest::imagesJoinTheDriveTable()
{
    using Place = DriveTable::ImagePlace;
    const QString iso = image(QStringLiteral("rr.iso"));
    const DriveTable mounted = DriveTable::fromMountPoints({"/media/u/usb", "/media/u/cd"});
    // Chosen now: before every drive, the others keep their order.
    const DriveTable chosen = mounted.withImage(iso, Place::First);
    QCOMPARE(chosen.directoryOf(QLatin1Char('D')), iso);
    QCOMPARE(chosen.directoryOf(QLatin1Char('E')), QStringLiteral("/media/u/cd"));
    QCOMPARE(chosen.directoryOf(QLatin1Char('F')), QStringLiteral("/media/u/usb"));
    // Remembered: after them, so a disc in a drive is found first.
    const DriveTable remembered = mounted.withImage(iso, Place::Last);
    QCOMPARE(remembered.directoryOf(QLatin1Char('F')), iso);
    QCOMPARE(remembered.withImage(iso, Place::First).letters(), remembered.letters());
    QCOMPARE(DriveTable().withImage(iso, Place::Last).directoryOf(QLatin1Char('D')), iso);
    QCOMPARE(DriveTable::parse(QStringLiteral("E=/x"))
                 .withImage(iso, Place::First)
                 .directoryOf(QLatin1Char('D')),
             iso);
    QVERIFY(
        DriveTable::parse(QStringLiteral("Z=/x")).withImage(iso, Place::Last).letters().size() ==
        1);

    QVERIFY(isDiscImageFile(iso));
    QVERIFY(isDiscImageFile(image(QStringLiteral("m1.cue"))));
    QVERIFY(!isDiscImageFile(m_folder));
    QVERIFY(!isDiscImageFile(image(QStringLiteral("absent.iso"))));
    QVERIFY(!isDiscImageFile(m_folder + QStringLiteral("/deep/er/note.txt")));
}

QTEST_GUILESS_MAIN(DiscImageTest)
#include "tst_discimage.moc"
