#include "app/run.h"
#include "startup/programstate.h"
#include "support/e2e.h"
#include "support/tracelog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace gallerion;
using namespace gallerion::test;

namespace {

QMessageBox *openBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void discOnSecondDriveAfterEmptyOne();
    void noDiscCancelEndsProgram();
    void retryFindsDiscThatAppeared();
    void localContentModeUsesProgramFolder();
    void secondInstanceIsRefused();
    void missingStartupSoundIsSilent();
    void startupSoundAndPhotoList();
    void terminationSignalClosesLikeTheUser_data();
    void terminationSignalClosesLikeTheUser();
    void noDisplayIsReportedWithoutAbort();
};

void StartupTest::discOnSecondDriveAfterEmptyOne()
{
    DiscFixture fixture;
    QDir().mkpath(fixture.scratchDir() + QStringLiteral("/empty"));
    fixture.useDrives(
        QStringLiteral("E=%1/empty;F=%2").arg(fixture.scratchDir(), fixture.discDir()));
    BoxAnswerer boxes;
    QString disc;
    QString photos;
    Script script;
    script.then(shortenSplash).then(mainWindowShown, [&] {
        disc = programState()->DiscRoot;
        photos = programState()->PhotoRoot;
        closeMainWindow();
    });
    QCOMPARE(runScript(script), 0);
    QCOMPARE(disc, QStringLiteral("F:"));
    QCOMPARE(photos, QStringLiteral("F:"));
    QVERIFY(boxes.texts().isEmpty());
    QVERIFY(!programState());
    QVERIFY(!topLevel(QStringLiteral("Form1")));
}

void StartupTest::noDiscCancelEndsProgram()
{
    DiscFixture fixture;
    // Photos copied to the hard disk do not stand in for the disc.
    QDir().mkpath(fixture.programDir() + QStringLiteral("/zarvicks"));
    const QString photo = QDir(sampleDiscDir() + QStringLiteral("/disc/zarvicks"))
                              .entryInfoList({QStringLiteral("*.jpg")})
                              .value(0)
                              .absoluteFilePath();
    QVERIFY(QFile::link(photo, fixture.programDir() + QStringLiteral("/zarvicks/copy.jpg")));
    fixture.useDrives(QStringLiteral("E=%1/nothing").arg(fixture.scratchDir()));
    TraceLog trace;
    BoxAnswerer boxes({QMessageBox::Cancel});
    runProgram();
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith(QStringLiteral("Error number: ER001")));
    QCOMPARE(boxes.titles().first(), QStringLiteral("The Zarvick Gallerion"));
    const auto lines = trace.lines(QStringLiteral("msgbox"));
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().value(QStringLiteral("buttons")).toString(),
             QStringLiteral("retrycancel"));
    QCOMPARE(lines.first().value(QStringLiteral("answer")).toInt(), 2);
    QVERIFY(!topLevel(QStringLiteral("Form1")));
    QVERIFY(!topLevel(QStringLiteral("Form2")));
    // No placement is saved when the program ends from the box.
    QVERIFY(trace.lines(QStringLiteral("settings")).isEmpty());
}

void StartupTest::retryFindsDiscThatAppeared()
{
    DiscFixture fixture;
    const QString drive = fixture.scratchDir() + QStringLiteral("/drive-e");
    fixture.useDrives(QStringLiteral("E=") + drive);
    int boxesSeen = 0;
    QString disc;
    Script script;
    script
        .then(openBox,
              [&] {
                  ++boxesSeen;
                  QFile::link(fixture.discDir(), drive);
                  openBox()->button(QMessageBox::Retry)->click();
              })
        .then(shortenSplash)
        .then(mainWindowShown, [&] {
            disc = programState()->DiscRoot;
            closeMainWindow();
        });
    QCOMPARE(runScript(script), 0);
    QCOMPARE(boxesSeen, 1);
    QCOMPARE(disc, QStringLiteral("E:"));
}

void StartupTest::localContentModeUsesProgramFolder()
{
    DiscFixture fixture;
    QString disc;
    QString photos;
    bool local = false;
    runOnMainWindow(fixture,
                    [&] {
                        disc = programState()->DiscRoot;
                        photos = programState()->PhotoRoot;
                        local = programState()->LocalContentMode;
                    },
                    {QStringLiteral("HWI")});
    QCOMPARE(disc, fixture.programDir());
    QCOMPARE(photos, fixture.programDir());
    QVERIFY(local);

    // The whole argument text counts: "HWI" with more words is normal mode.
    runOnMainWindow(fixture, [&] { disc = programState()->DiscRoot; },
                    {QStringLiteral("HWI"), QStringLiteral("x")});
    QCOMPARE(disc, QStringLiteral("E:"));
}

void StartupTest::secondInstanceIsRefused()
{
    DiscFixture fixture;
    BoxAnswerer boxes;
    int secondResult = -1;
    bool firstStillRuns = false;
    runOnMainWindow(fixture, [&] {
        // A second copy started while the first runs.
        secondResult = runProgram();
        firstStillRuns = mainWindowShown() && !programState()->isEnding();
    });
    QCOMPARE(boxes.texts(),
             QStringList{QStringLiteral("The Zarvick Gallerion is already running!")});
    QCOMPARE(boxes.titles(), QStringList{QStringLiteral("The Zarvick Gallerion 2001")});
    QCOMPARE(secondResult, 0);
    QVERIFY(firstStillRuns);
}

void StartupTest::missingStartupSoundIsSilent()
{
    DiscFixture fixture;
    fixture.removeProgramFile(QStringLiteral("passby.wav"));
    BoxAnswerer boxes;
    QString code;
    QString sound;
    runOnMainWindow(fixture, [&] {
        code = programState()->ErrorCode;
        sound = programState()->SoundFilePath;
    });
    QCOMPARE(code, QStringLiteral("ER055"));
    QCOMPARE(sound, fixture.programDir() + QStringLiteral("\\passby.wav"));
    QVERIFY(boxes.texts().isEmpty());
}

void StartupTest::startupSoundAndPhotoList()
{
    DiscFixture fixture;
    TraceLog trace;
    int photoCount = 0;
    QString firstPhoto;
    bool firstClickPending = false;
    runOnMainWindow(fixture, [&] {
        photoCount = programState()->property("PhotoCount").toInt();
        firstPhoto = programState()->property("PhotoList").toStringList().value(0);
        firstClickPending = programState()->FirstClickPending;
    });
    QStringList steps;
    for (const QJsonObject &line : trace.lines(QStringLiteral("media"))) {
        if (line.value(QStringLiteral("control")).toString() != QLatin1String("Form2.MMControl1"))
            continue;
        const QString action = line.value(QStringLiteral("action")).toString();
        const QString value = line.value(QStringLiteral("value")).toString();
        steps.append(action == QLatin1String("filename") ? action
                                                         : action + QLatin1Char(' ') + value);
    }
    QCOMPARE(steps.mid(0, 5),
             (QStringList{QStringLiteral("command close"), QStringLiteral("devicetype WaveAudio"),
                          QStringLiteral("filename"), QStringLiteral("command open"),
                          QStringLiteral("command play")}));
    QVERIFY(photoCount > 200);
    QCOMPARE(firstPhoto, QStringLiteral("E:\\zarvicks\\64AAAA01.JPG"));
    QVERIFY(firstClickPending);
}

void StartupTest::terminationSignalClosesLikeTheUser_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("boxOpen");
    QTest::newRow("SIGTERM") << SIGTERM << false;
    QTest::newRow("SIGINT") << SIGINT << false;
    QTest::newRow("SIGTERM while a box waits") << SIGTERM << true;
}

void StartupTest::terminationSignalClosesLikeTheUser()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, boxOpen);
    DiscFixture fixture;
    fixture.useDisc();
    TraceLog trace;
    Script script;
    script.then(shortenSplash).then(mainWindowShown, [] { mainWindow()->move(30, 45); });
    if (boxOpen)
        script.thenStart([] { menuEntry(QStringLiteral("mnuCheckResolution"))->trigger(); })
            .then([] { return openBox() != nullptr; }, [] {});
    script.then([signalNumber] { std::raise(signalNumber); });
    struct sigaction before = {};
    sigaction(signalNumber, nullptr, &before);
    // Should the signal be lost, the run still ends, with a code the test refuses.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (ProgramState *state = programState())
            state->requestEnd(99);
    });
    guard.start(60000);
    QCOMPARE(runScript(script), 0);
    QVERIFY(!topLevel(QStringLiteral("Form1")));
    QStringList saved;
    for (const QJsonObject &line : trace.lines(QStringLiteral("settings"))) {
        if (line.value(QStringLiteral("action")).toString() == QLatin1String("write"))
            saved << line.value(QStringLiteral("key")).toString();
    }
    QVERIFY2(saved.contains(QStringLiteral("MainLeft")), qPrintable(saved.join(' ')));
    QVERIFY(saved.contains(QStringLiteral("MainTop")));
    QCOMPARE(trace.lines(QStringLiteral("exit")).size(), 1);
    // The system's handling is back once the run is over.
    struct sigaction after = {};
    sigaction(signalNumber, nullptr, &after);
    QVERIFY(after.sa_handler == before.sa_handler);
}

void StartupTest::noDisplayIsReportedWithoutAbort()
{
    QProcess viewer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    viewer.setProcessEnvironment(environment);
    viewer.start(QStringLiteral(GALLERION_BINARY_DIR "/src/zarvick-gallerion"));
    QVERIFY(viewer.waitForFinished(30000));
    QCOMPARE(viewer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(viewer.exitCode(), 1);
    QVERIFY(QString::fromLocal8Bit(viewer.readAllStandardError())
                .contains(QStringLiteral("no display was found")));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
