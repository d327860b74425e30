#include "library/copyjob.h"
#include "startup/programstate.h"
#include "support/e2e.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <memory>

#include <unistd.h>

using namespace gallerion;
using namespace gallerion::test;

namespace {

const QString Title = QStringLiteral("The Zarvick Gallerion");

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QStringList upperCased(QStringList names)
{
    for (QString &name : names)
        name = name.toUpper();
    return names;
}

void touch(const QString &path, const QByteArray &content = "x")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void trigger(const char *entry)
{
    menuEntry(QLatin1String(entry))->trigger();
}

QWidget *panel()
{
    return control(QStringLiteral("pnlProgress"));
}

bool copyOver()
{
    return !panel()->isVisible() && mainWindow()->isEnabled();
}

QString gaugeText(const char *name)
{
    return control<QProgressBar>(QLatin1String(name))->text();
}

// What the window looked like while the copy ran.
struct DuringCopy
{
    int slices = 0;
    bool mainEnabled = false;
    bool buttonsEnabled = false;
};

// Clicks cmdCopy and watches the copy it starts.
void clickCopy(DuringCopy &during)
{
    click(QStringLiteral("cmdCopy"));
    auto *job = mainWindow()->findChild<CopyJob *>(QStringLiteral("CopyJob"));
    QVERIFY(job);
    QObject::connect(job, &CopyJob::progressed, [&during] {
        ++during.slices;
        during.mainEnabled = during.mainEnabled || mainWindow()->isEnabled();
        during.buttonsEnabled = during.buttonsEnabled ||
                                control(QStringLiteral("cmdCopy"))->isEnabled() ||
                                control(QStringLiteral("cmdCancel"))->isEnabled();
    });
}

// Runs the program until an action ends it.
void runUntilEnded(const DiscFixture &fixture, const std::function<void()> &action)
{
    fixture.useDisc();
    Script script;
    script.then(shortenSplash).then(mainWindowShown, action);
    runScript(script);
}

} // namespace

class LibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("GALLERION_SCREEN", "800x600"); }

    void copiesAreReadUntilPhotosAreRemoved();
    void notEnoughSpaceCopiesNothing();
    void declinedSecondCopyChangesNothing();
    void failedFileLeavesTheOthersAndTheDisc();
    void removalsThatKeepTheProgramRunning();
};

void LibraryTest::copiesAreReadUntilPhotosAreRemoved()
{
    DiscFixture fixture;
    const QString discPhotos = fixture.discDir() + QStringLiteral("/zarvicks");
    const QString copies = fixture.programDir() + QStringLiteral("/zarvicks");
    auto copyBoxes = std::make_unique<BoxAnswerer>();
    QStringList prepared;
    DuringCopy during;
    QString rootAfterCopy;
    QStringList gauges;
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                trigger("mnuCopy");
                prepared = {control<QLabel>(QStringLiteral("Label2"))->text(),
                            control<QPushButton>(QStringLiteral("cmdCopy"))->text(), focused()};
                clickCopy(during);
            })
            .then(copyOver,
                  [&] {
                      rootAfterCopy = programState()->PhotoRoot;
                      gauges = {gaugeText("ProgressGuage"), gaugeText("ProgressGuage2")};
                      trigger("mnuCopyMovies");
                      click(QStringLiteral("cmdCopy"));
                  })
            .then(copyOver, [] {});
    });
    QCOMPARE(prepared,
             (QStringList{"Copy photos from CD-ROM to hard drive", "Copy Photos", "cmdCancel"}));
    QVERIFY(during.slices > 0);
    QVERIFY(!during.mainEnabled);
    QVERIFY(!during.buttonsEnabled);
    QCOMPARE(copyBoxes->texts(),
             (QStringList{"Photos successfully copied!\r\n", "Movies successfully copied!\r\n"}));
    QCOMPARE(copyBoxes->titles(), (QStringList{Title, Title}));
    copyBoxes.reset();
    QCOMPARE(gauges, (QStringList{"100", "100"}));
    QCOMPARE(rootAfterCopy, fixture.programDir());
    QCOMPARE(filesIn(copies), upperCased(filesIn(discPhotos)));
    QCOMPARE(filesIn(fixture.programDir() + QStringLiteral("/movies")),
             filesIn(fixture.discDir() + QStringLiteral("/movies")));

    auto removeBoxes = std::make_unique<BoxAnswerer>(
        QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::Ok});
    QString rootAtStart;
    runUntilEnded(fixture, [&] {
        rootAtStart = programState()->PhotoRoot;
        trigger("mnuRemove");
    });
    QCOMPARE(rootAtStart, fixture.programDir());
    QCOMPARE(removeBoxes->texts().size(), 2);
    QVERIFY(removeBoxes->texts().at(1).startsWith("All Photos Successfully Removed!\r\n\r\n"));
    removeBoxes.reset();
    QVERIFY(!QFileInfo::exists(copies));

    QString rootAfterRemoval;
    runOnMainWindow(fixture, [&] { rootAfterRemoval = programState()->PhotoRoot; });
    QCOMPARE(rootAfterRemoval, QStringLiteral("E:"));
}

// A file system of 1 MiB (1024 KiB free) holds the program directory.
void LibraryTest::notEnoughSpaceCopiesNothing()
{
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    DiscFixture fixture;
    const QString program = fixture.programDir();
    QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                               {"-t", "tmpfs", "-o", "size=1m", "tmpfs", program}),
             0);
    BoxAnswerer boxes;
    bool shown = true;
    runWithMainWindow(fixture, [&](Script &script) {
        script.thenStart([] { trigger("mnuCopy"); }).then([&] { shown = panel()->isVisible(); });
    });
    const QStringList left = QDir(program).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    QProcess::execute(QStringLiteral("umount"), {program});
    QCOMPARE(boxes.texts(),
             QStringList{"Not enough available hard disk space to copy photos.\r\n\r\n"
                         "Free some up and try again.\r\n\r\n"
                         "You have:  1,024,000 bytes\r\n"
                         "You need:   40,976,000 bytes more\r\n\r\n"
                         "For a total of:   42,000,000 bytes free.\r\n"});
    QVERIFY(!shown);
    QCOMPARE(left, QStringList());
}

void LibraryTest::declinedSecondCopyChangesNothing()
{
    DiscFixture fixture;
    const QString copies = fixture.programDir() + QStringLiteral("/zarvicks");
    touch(copies + QStringLiteral("/64OLD.JPG"), "old");
    BoxAnswerer boxes({QMessageBox::Cancel});
    QString rootBefore;
    bool abort = false;
    bool buttonsEnabled = false;
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                rootBefore = programState()->PhotoRoot;
                trigger("mnuCopy");
            })
            .thenStart([] { click(QStringLiteral("cmdCopy")); })
            .then(copyOver, [&] {
                abort = programState()->CopyAbort;
                buttonsEnabled = control(QStringLiteral("cmdCopy"))->isEnabled();
            });
    });
    QCOMPARE(boxes.texts(), QStringList{"These files have already been copied\r\nto your hard "
                                        "drive.\r\n\r\nWould you like to copy them again?"});
    QVERIFY(abort);
    QVERIFY(buttonsEnabled);
    QCOMPARE(rootBefore, fixture.programDir());
    QCOMPARE(filesIn(copies), QStringList{"64OLD.JPG"});
}

// The source goes after the copy has listed it and before it reaches it.
void LibraryTest::failedFileLeavesTheOthersAndTheDisc()
{
    DiscFixture fixture;
    const QString discPhotos = fixture.discDir() + QStringLiteral("/zarvicks");
    fixture.removeDiscFile(QStringLiteral("zarvicks/none")); // a folder of its own
    const QString lost = filesIn(discPhotos).at(5);
    BoxAnswerer boxes;
    DuringCopy during;
    QString root;
    QString firstPhoto;
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                trigger("mnuCopy");
                clickCopy(during);
                QFile::remove(discPhotos + QLatin1Char('/') + lost);
            })
            .then(copyOver, [&] {
                root = programState()->PhotoRoot;
                firstPhoto = programState()->photoList().first();
            });
    });
    QCOMPARE(boxes.texts(), (QStringList{"No such file or directory",
                                         "1 photo could not be copied to your hard drive.\r\n\r\n"
                                         "The photos are still read from the CD-ROM.\r\n"}));
    QCOMPARE(boxes.titles().first(), QStringLiteral("The Zarvick Gallerion 2001"));
    QCOMPARE(filesIn(fixture.programDir() + QStringLiteral("/zarvicks")),
             upperCased(filesIn(discPhotos)));
    QCOMPARE(root, QStringLiteral("E:"));
    QVERIFY(firstPhoto.startsWith(QStringLiteral("E:\\zarvicks\\")));
}

void LibraryTest::removalsThatKeepTheProgramRunning()
{
    DiscFixture fixture;
    const QString movies = fixture.programDir() + QStringLiteral("/movies");
    const QString photos = fixture.programDir() + QStringLiteral("/zarvicks");
    touch(movies + QStringLiteral("/GTCS.avi"));
    touch(photos + QStringLiteral("/64AAAA01.JPG"));
    touch(photos + QStringLiteral("/notes.txt")); // keeps the folder from going
    BoxAnswerer boxes({QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok});
    bool running = false;
    QString root;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            trigger("mnuRemoveMovies");
            trigger("mnuRemove");
            running = mainWindowShown() && !programState()->isEnding();
            root = programState()->PhotoRoot;
        });
    });
    QCOMPARE(boxes.texts().size(), 4);
    QCOMPARE(boxes.texts().at(0), QStringLiteral("Would you like to remove all Zarvick Gallerion "
                                                 "movies from your hard drive?"));
    QCOMPARE(boxes.texts().at(1), QStringLiteral("All movies successfully removed!"));
    QVERIFY(boxes.texts().at(3).startsWith(
        "Not all Zarvick Gallerion photos could be removed from your hard drive."));
    QVERIFY(running);
    QCOMPARE(root, QStringLiteral("E:"));
    QVERIFY(!QFileInfo::exists(movies));
    QCOMPARE(filesIn(photos), QStringList{"notes.txt"});
}

QTEST_MAIN(LibraryTest)
#include "tst_library.moc"
