#include "startup/programstate.h"
#include "support/discimages.h"
#include "support/e2e.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace gallerion;
using namespace gallerion::test;

namespace {

// The names and bytes of the files of a folder, names compared without case.
QStringList filesWithContent(const QString &dir)
{
    QStringList files;
    const QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        QFile file(dir + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        files.append(
            name.toUpper() + QLatin1Char(' ') +
            QString::fromLatin1(
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex()));
    }
    return files;
}

// What one session found and did, compared between a folder and an image.
struct Session
{
    QString discRoot;
    QStringList photoList;
    QStringList copies;
    QStringList boxes;
};

bool copyOver()
{
    return !control(QStringLiteral("pnlProgress"))->isVisible() && mainWindow()->isEnabled();
}

Session runFrom(const QString &drive)
{
    DiscFixture fixture;
    BoxAnswerer boxes;
    Session seen;
    fixture.useDrives(QStringLiteral("E=") + drive);
    Script script;
    script.then(shortenSplash)
        .then(mainWindowShown,
              [&] {
                  seen.discRoot = programState()->DiscRoot;
                  seen.photoList = programState()->property("PhotoList").toStringList();
                  menuEntry(QStringLiteral("mnuCopy"))->trigger();
                  click(QStringLiteral("cmdCopy"));
              })
        .then(copyOver,
              [&] {
                  seen.copies =
                      filesWithContent(fixture.programDir() + QStringLiteral("/zarvicks"));
              })
        .then(closeMainWindow);
    runScript(script);
    seen.boxes = boxes.texts();
    return seen;
}

void dropOnMainWindow(const QString &file)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    const QPoint at = mainWindow()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mainWindow(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QApplication::sendEvent(mainWindow(), &drop);
}

} // namespace

class DiscImageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void imageStartsAndCopiesAsTheFolder_data();
    void imageStartsAndCopiesAsTheFolder();
    void damagedImageIsReportedAsNoDisc();
    void droppedImageTakesTheDiscsPlace();
    void commandLineImageIsRememberedForTheNextStart();

private:
    QString image(const QString &name) const { return m_images.filePath(name); }
    QTemporaryDir m_images;
    Session m_fromFolder;
};

void DiscImageTest::initTestCase()
{
    GALLERION_REQUIRE_XORRISO();
    qputenv("GALLERION_SCREEN", "800x600");
    const QString disc = sampleDiscDir() + QStringLiteral("/disc");
    const QString iso = image(QStringLiteral("gallerion.iso"));
    QCOMPARE(makeIso(disc, iso, IsoNames::JolietRockRidge), QString());
    QCOMPARE(makeRawBin(iso, image(QStringLiteral("gallerion.bin")),
                        image(QStringLiteral("gallerion.cue"))),
             QString());
    m_fromFolder = runFrom(disc);
    QCOMPARE(m_fromFolder.discRoot, QStringLiteral("E:"));
    QVERIFY(m_fromFolder.photoList.size() > 100);
    QVERIFY(m_fromFolder.copies.size() > 100);
}

void DiscImageTest::imageStartsAndCopiesAsTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("iso") << QStringLiteral("gallerion.iso");
    QTest::newRow("bin and cue") << QStringLiteral("gallerion.cue");
}

void DiscImageTest::imageStartsAndCopiesAsTheFolder()
{
    QFETCH(QString, name);
    const Session fromImage = runFrom(image(name));
    QCOMPARE(fromImage.discRoot, m_fromFolder.discRoot);
    QCOMPARE(fromImage.photoList, m_fromFolder.photoList);
    QCOMPARE(fromImage.copies, m_fromFolder.copies);
    QCOMPARE(fromImage.boxes, m_fromFolder.boxes);
}

void DiscImageTest::damagedImageIsReportedAsNoDisc()
{
    const QString iso = image(QStringLiteral("gallerion.iso"));
    QCOMPARE(truncateImage(iso, image(QStringLiteral("stub.iso")), 30000), QString());
    QCOMPARE(loopImage(iso, image(QStringLiteral("loop.iso"))), QString());
    {
        DiscFixture fixture;
        fixture.useDrives(QStringLiteral("E=") + image(QStringLiteral("stub.iso")));
        BoxAnswerer boxes({QMessageBox::Cancel});
        runProgram();
        QCOMPARE(boxes.texts().size(), 1);
        QVERIFY(boxes.texts().first().startsWith(QStringLiteral("Error number: ER001")));
        QVERIFY(!topLevel(QStringLiteral("Form1")));
    }
    // The looping directory lists nothing; the photos beside it are read as ever.
    DiscFixture fixture;
    fixture.useDrives(QStringLiteral("E=") + image(QStringLiteral("loop.iso")));
    QStringList photos;
    Script script;
    script.then(shortenSplash).then(mainWindowShown, [&] {
        photos = programState()->property("PhotoList").toStringList();
        closeMainWindow();
    });
    runScript(script);
    QCOMPARE(photos, m_fromFolder.photoList);
}

void DiscImageTest::droppedImageTakesTheDiscsPlace()
{
    DiscFixture fixture;
    // A disc whose photo folder is emptied, so the list shows where photos come from.
    const QString other = fixture.scratchDir() + QStringLiteral("/other");
    QVERIFY(QDir().mkpath(other + QStringLiteral("/zarvicks")));
    QVERIFY(QFile::copy(sampleDiscDir() + QStringLiteral("/disc/zarvicks/64AAAA01.jpg"),
                        other + QStringLiteral("/zarvicks/64AAAA01.jpg")));
    BoxAnswerer boxes;
    int photosBefore = 0;
    int photosAfterRefusal = 0;
    QString rootAfter;
    QStringList photosAfter;
    bool entryThere = false;
    fixture.useDrives(QStringLiteral("E=") + other);
    Script script;
    script.then(shortenSplash)
        .then(mainWindowShown,
              [&] {
                  entryThere = menuEntry(QStringLiteral("mnuOpenDiscImage")) != nullptr;
                  photosBefore = programState()->property("PhotoCount").toInt();
                  dropOnMainWindow(image(QStringLiteral("stub.iso")));
              })
        .then([&] { return !boxes.texts().isEmpty(); },
              [&] {
                  photosAfterRefusal = programState()->property("PhotoCount").toInt();
                  dropOnMainWindow(image(QStringLiteral("gallerion.iso")));
                  rootAfter = programState()->DiscRoot;
                  photosAfter = programState()->property("PhotoList").toStringList();
              })
        .then(closeMainWindow);
    runScript(script);
    QVERIFY(entryThere);
    QCOMPARE(photosBefore, 1);
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith(image(QStringLiteral("stub.iso"))));
    QCOMPARE(photosAfterRefusal, 1);
    QCOMPARE(rootAfter, QStringLiteral("E:"));
    QCOMPARE(photosAfter, m_fromFolder.photoList);
}

void DiscImageTest::commandLineImageIsRememberedForTheNextStart()
{
    DiscFixture fixture;
    const QString iso = image(QStringLiteral("gallerion.cue"));
    QString given;
    QString remembered;
    const auto discRootOfRun = [&fixture](QString *root, const QStringList &arguments) {
        fixture.useDrives(QString());
        // Only the drives of the machine, which hold no disc, and the remembered image.
        qunsetenv("GALLERION_DRIVES");
        Script script;
        script.then(shortenSplash).then(mainWindowShown, [root] {
            *root = programState()->DiscRoot;
            closeMainWindow();
        });
        runScript(script, arguments);
    };
    discRootOfRun(&given, {iso});
    // No disc and no argument: the image of the last run is the disc, after the machine's drives.
    discRootOfRun(&remembered, {});
    QCOMPARE(given, QStringLiteral("D:"));
    QVERIFY(!remembered.isEmpty());
    // Once it has gone, start-up reports no disc again.
    QVERIFY(QFile::rename(iso, iso + QStringLiteral(".moved")));
    BoxAnswerer boxes({QMessageBox::Cancel});
    fixture.useDrives(QString());
    qunsetenv("GALLERION_DRIVES");
    runProgram();
    QVERIFY(QFile::rename(iso + QStringLiteral(".moved"), iso));
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith(QStringLiteral("Error number: ER001")));
}

QTEST_MAIN(DiscImageTest)
#include "tst_discimage.moc"
