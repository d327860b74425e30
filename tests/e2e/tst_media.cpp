#include "platform/media/multimediadevice.h"
#include "platform/media/videodecoders.h"
#include "startup/programstate.h"
#include "support/accessibility.h"
#include "support/e2e.h"
#include "support/tracelog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QVideoWidget>
#include <QtEndian>

using namespace gallerion;
using namespace gallerion::test;
using Button = MultimediaDevice::Button;

namespace {

const QString Movie = QStringLiteral("frmMovie");

const QStringList FilmFiles{"ComingApril17.avi", "TheUnexpected.avi", "65-2+2.avi",
                            "GTCS.avi",          "1968.avi",          "The1999Zarvick.avi"};
const QStringList FilmCaptions{
    "Zarvick Movies - Coming, April 17, 1964", "Zarvick Movies - The Unexpected",
    "Zarvick Movies - 1965 2+2 Fastback",      "Zarvick Movies - GT/CS California Special",
    "Zarvick Movies - 1968 Commercial",        "Zarvick Movies - The 1999 Zarvick"};
const QString ER045 = QStringLiteral("Error number: ER045");

template <typename T = QWidget> T *inMovie(const QString &name)
{
    return controlOf<T>(Movie, name);
}

MultimediaDevice *movieDevice()
{
    return inMovie<MultimediaDevice>(QStringLiteral("MMControl1"));
}

MultimediaDevice *mainDevice()
{
    return control<MultimediaDevice>(QStringLiteral("MMControl1"));
}

void chooseFilm(int index)
{
    inMovie<QRadioButton>(QStringLiteral("optMovie(%1)").arg(index))->click();
}

void pressDevice(Button button)
{
    movieDevice()->button(button)->click();
}

bool moviePlaying()
{
    return movieDevice()->isPlaying() && movieDevice()->position() > 0;
}

bool movieWindowGone()
{
    return !topLevel(Movie);
}

// Adds the steps that open the movie window from the menu and wait until it shows.
Script &openMovieWindow(Script &script)
{
    return script.thenStart([] { menuEntry(QStringLiteral("mnuMovies"))->trigger(); })
        .then([] { return windowShown(Movie); }, [] {});
}

// The same, then runs inside(), which must close the window, and waits until it has gone.
void withMovieWindow(Script &script, const std::function<void()> &inside)
{
    openMovieWindow(script).then(inside).then(movieWindowGone, [] {});
}

void exitMovies()
{
    inMovie<QPushButton>(QStringLiteral("SSCommand1"))->click();
}

void openSounds()
{
    menuEntry(QStringLiteral("mnuSound"))->trigger();
}

void playSound(int index)
{
    controlOf<QToolButton>(QStringLiteral("Form1"), QStringLiteral("SSCommand2(%1)").arg(index))
        ->click();
}

QStringList mediaValues(const TraceLog &trace, const QString &control, const QString &action)
{
    QStringList values;
    const auto lines = trace.lines(QStringLiteral("media"));
    for (const QJsonObject &line : lines) {
        if (line.value(QStringLiteral("control")).toString() == control &&
            line.value(QStringLiteral("action")).toString() == action)
            values.append(line.value(QStringLiteral("value")).toString());
    }
    return values;
}

// A copy of a sample film whose picture no decoder knows, as a film in a codec
// this system lacks.
void makeUndecodable(DiscFixture &fixture, const QString &file)
{
    QFile sample(sampleDiscDir() + QStringLiteral("/disc/movies/") + file);
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QByteArray bytes = sample.readAll();
    QVERIFY(bytes.count("MJPG") >= 2);
    fixture.removeDiscFile(QStringLiteral("movies/") + file);
    QFile patched(fixture.discDir() + QStringLiteral("/movies/") + file);
    QVERIFY(patched.open(QIODevice::WriteOnly));
    patched.write(bytes.replace("MJPG", "QZQZ"));
}

QByteArray sampleBytes(const QString &relativePath)
{
    QFile file(sampleDiscDir() + QStringLiteral("/disc/") + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// Puts damaged content where a disc file was: "empty", "truncated", "random", "folder",
// "huge" (a sparse 500 MB file that starts as a sound), "declared" (a sound whose header
// claims 2 GB) or "undecodable" (a film whose picture no decoder knows).
void damage(DiscFixture &fixture, const QString &relativePath, const QString &how)
{
    const QByteArray original = sampleBytes(relativePath);
    QVERIFY(!original.isEmpty());
    fixture.removeDiscFile(relativePath);
    const QString path = fixture.discDir() + QLatin1Char('/') + relativePath;
    if (how == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
        return;
    }
    QByteArray bytes;
    if (how == QLatin1String("truncated"))
        bytes = original.left(original.startsWith("RIFF") && relativePath.endsWith(".wav")
                                  ? 30
                                  : original.size() / 2);
    else if (how == QLatin1String("random"))
        bytes = randomBytes(original.size());
    else if (how == QLatin1String("huge"))
        bytes = original.left(200);
    else if (how == QLatin1String("declared"))
        bytes = original.left(original.size() / 2);
    else if (how == QLatin1String("undecodable"))
        bytes = QByteArray(original).replace("MJPG", "QZQZ");
    if (how == QLatin1String("declared")) {
        qToLittleEndian<quint32>(0xFFFFFFF0u, bytes.data() + 4);
        const qsizetype data = bytes.indexOf("data");
        QVERIFY(data > 0);
        qToLittleEndian<quint32>(0x7FFFFFF0u, bytes.data() + data + 4);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    if (how == QLatin1String("huge"))
        QVERIFY(file.resize(500LL * 1024 * 1024));
}

} // namespace

class MediaTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("GALLERION_SCREEN", "800x600"); }

    void everyFilmOpensFromTheDisc();
    void filmPlaysSeeksStopsAndEndsWithTheWindow();
    void hardDiskCopyIsPreferred();
    void undecodableFilmIsReportedAndNamedByTheCheck();
    void videoDriverOfferFromTheMenu();
    void everySoundButtonPlaysItsOwnFile();
    void missingSoundsReportER038();
    void damagedSoundsEndInTheProgramsMessage_data();
    void damagedSoundsEndInTheProgramsMessage();
    void damagedFilmsEndInTheProgramsMessage_data();
    void damagedFilmsEndInTheProgramsMessage();
    void screenReadersFindEveryControlNamed();
};

void MediaTest::everyFilmOpensFromTheDisc()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    QStringList captions;
    QStringList files;
    QString movieDir;
    bool mainEnabled = true;
    bool barHidden = true;
    QString focus;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(3); });
        withMovieWindow(script, [&] {
            movieDir = programState()->property("MovieDir").toString();
            mainEnabled = mainWindow()->isEnabled();
            barHidden = movieDevice()->isHidden();
            for (int i = 0; i < 6; ++i) {
                chooseFilm(i);
                captions.append(topLevel(Movie)->windowTitle());
                files.append(QDir(movieDevice()->fileName()).absolutePath());
            }
            exitMovies();
        });
        script.then([&] {
            mainEnabled = mainWindow()->isEnabled();
            focus = focused();
        });
    });
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(movieDir, QStringLiteral("E:\\movies\\"));
    QCOMPARE(captions, FilmCaptions);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(files[i], fixture.discDir() + QStringLiteral("/movies/") + FilmFiles[i]);
    QVERIFY(!barHidden);
    QVERIFY(mainEnabled);
    QCOMPARE(focus, QStringLiteral("cmdYR(4)"));
}

void MediaTest::filmPlaysSeeksStopsAndEndsWithTheWindow()
{
    TraceLog trace;
    DiscFixture fixture;
    bool drawn = false;
    int shownAt = -1;
    qint64 seekedTo = -1;
    qint64 afterStop = -1;
    int barAfterStop = -1;
    qint64 restartedAt = -1;
    QString switched;
    bool playingAfterSwitch = true;
    bool mainEnabledInside = true;
    runWithMainWindow(fixture, [&](Script &script) {
        openMovieWindow(script)
            .then([] { pressDevice(Button::Play); })
            .then(moviePlaying,
                  [&] {
                      auto *video =
                          inMovie(QStringLiteral("PicMovie"))->findChild<QVideoWidget *>();
                      drawn = video && video->isVisible() && movieDevice()->hasVideo();
                      mainEnabledInside = mainWindow()->isEnabled();
                  })
            .then([] { return inMovie<QScrollBar>(QStringLiteral("HScroll1"))->value() > 0; },
                  [&] {
                      shownAt = inMovie<QScrollBar>(QStringLiteral("HScroll1"))->value();
                      inMovie<QScrollBar>(QStringLiteral("HScroll1"))->setValue(2000);
                  })
            .then([] { return movieDevice()->position() >= 2000; },
                  [&] {
                      seekedTo = movieDevice()->position();
                      pressDevice(Button::Stop);
                      afterStop = movieDevice()->position();
                      barAfterStop = inMovie<QScrollBar>(QStringLiteral("HScroll1"))->value();
                      pressDevice(Button::Play);
                  })
            .then(moviePlaying,
                  [&] {
                      restartedAt = movieDevice()->position();
                      chooseFilm(4);
                      switched = movieDevice()->fileName();
                      playingAfterSwitch = movieDevice()->isPlaying();
                      pressDevice(Button::Play);
                  })
            .then(moviePlaying, [] { topLevel(Movie)->close(); })
            .then(movieWindowGone, [] {});
    });
    QVERIFY(drawn);
    QVERIFY(!mainEnabledInside);
    QVERIFY(shownAt > 0);
    QVERIFY(seekedTo >= 2000);
    QCOMPARE(afterStop, 0);
    QCOMPARE(barAfterStop, 0);
    QVERIFY2(restartedAt < 1500, qPrintable(QString::number(restartedAt)));
    QVERIFY(switched.endsWith(QStringLiteral("/1968.avi")));
    QVERIFY(!playingAfterSwitch);

    const QStringList commands =
        mediaValues(trace, QStringLiteral("frmMovie.MMControl1"), QStringLiteral("command"));
    // Film 0 opened; play, stop, prev, play; film 4 closes film 0 first; play; the window ends it.
    QCOMPARE(commands, (QStringList{"close", "open", "play", "stop", "prev", "play", "close",
                                    "open", "play", "close"}));
}

void MediaTest::hardDiskCopyIsPreferred()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    QDir().mkpath(fixture.programDir() + QStringLiteral("/movies"));
    QVERIFY(QFile::copy(fixture.discDir() + QStringLiteral("/movies/") + FilmFiles[0],
                        fixture.programDir() + QStringLiteral("/movies/") + FilmFiles[0]));
    QString movieDir;
    QString programDir;
    QString opened;
    QStringList afterFailure;
    runWithMainWindow(fixture, [&](Script &script) {
        withMovieWindow(script, [&] {
            movieDir = programState()->property("MovieDir").toString();
            programDir = programState()->ProgramDir;
            opened = movieDevice()->fileName();
            for (int i = 1; i < 6; ++i) {
                chooseFilm(i);
                // The window still shows the film it holds.
                afterFailure.append(
                    topLevel(Movie)->windowTitle() + QLatin1Char('|') +
                    QString::number(
                        inMovie<QRadioButton>(QStringLiteral("optMovie(0)"))->isChecked()));
            }
            exitMovies();
        });
    });
    QCOMPARE(movieDir, programDir + QStringLiteral("\\movies\\"));
    QCOMPARE(QDir(opened).absolutePath(),
             fixture.programDir() + QStringLiteral("/movies/") + FilmFiles[0]);
    QCOMPARE(boxes.texts().size(), 5);
    for (const QString &text : boxes.texts())
        QVERIFY2(text.contains(ER045) &&
                     text.contains(QStringLiteral("Unable to load Zarvick Movie")),
                 qPrintable(text));
    QCOMPARE(afterFailure, QStringList(5, FilmCaptions[0] + QStringLiteral("|1")));
}

void MediaTest::undecodableFilmIsReportedAndNamedByTheCheck()
{
    BoxAnswerer boxes({QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok});
    DiscFixture fixture;
    makeUndecodable(fixture, FilmFiles[3]);
    bool barShown = true;
    QString caption;
    runWithMainWindow(fixture, [&](Script &script) {
        openMovieWindow(script)
            .then([] { chooseFilm(3); })
            // The device tells of the failure once it has tried.
            .then([&] { return boxes.texts().size() == 1; },
                  [&] {
                      barShown = movieDevice()->isVisible();
                      caption = topLevel(Movie)->windowTitle();
                      inMovie<QPushButton>(QStringLiteral("SSCommand2"))->click();
                  })
            .then([&] { return boxes.texts().size() == 3; }, [] { exitMovies(); })
            .then(movieWindowGone, [] {});
    });
    QCOMPARE(boxes.texts().size(), 3);
    QVERIFY(boxes.texts()[0].contains(ER045));
    // The device was closed for the film that failed: nothing is loaded now.
    QVERIFY(!barShown);
    QCOMPARE(caption, QStringLiteral("Zarvick Videos - Coming April 17, 1964"));
    QCOMPARE(boxes.texts()[1],
             QStringLiteral("If you are experiencing difficulties running the Zarvick movies,\r\n"
                            "you may need to install the Intel Indeo Video Software.\r\n\r\n"
                            "Would you like to install this software now?"));
    // The package is named only where it is missing.
    QCOMPARE(boxes.texts()[2],
             QStringLiteral("These Zarvick movies cannot be played on this system:\r\n\r\n"
                            "GT/CS (GTCS.avi): no video decoder on this system reads its picture "
                            "(QZQZ)\r\n\r\n") +
                 (libavDecodersInstalled()
                      ? QStringLiteral("The decoders of gstreamer1.0-libav are installed; no "
                                       "package of this system knows these pictures.")
                      : QStringLiteral(
                            "The package gstreamer1.0-libav adds the missing video decoders.")));
}

void MediaTest::videoDriverOfferFromTheMenu()
{
    TraceLog trace;
    BoxAnswerer boxes({QMessageBox::No, QMessageBox::Yes, QMessageBox::Ok});
    DiscFixture fixture;
    fixture.removeDiscFile(QStringLiteral("movies/") + FilmFiles[5]);
    bool enabledDuring = true;
    bool enabledAfter = false;
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                menuEntry(QStringLiteral("mnuVideo"))->trigger();
                menuEntry(QStringLiteral("mnuVideo"))->trigger();
                enabledDuring = mainWindow()->isEnabled();
            })
            .then([&] { return boxes.texts().size() == 3 && !QApplication::activeModalWidget(); },
                  [] {})
            .then([&] { enabledAfter = mainWindow()->isEnabled(); });
    });
    QCOMPARE(boxes.texts().size(), 3);
    QCOMPARE(boxes.texts()[2],
             QStringLiteral("These Zarvick movies cannot be played on this system:\r\n\r\n"
                            "1999 Zarvick (The1999Zarvick.avi): the file is missing"));
    QVERIFY(!enabledDuring);
    QVERIFY(enabledAfter);
    // The check opened the five films with a device of its own, not the main window's.
    QCOMPARE(
        mediaValues(trace, QStringLiteral("Form1.mmFilmCheck"), QStringLiteral("filename")).size(),
        5);
    QVERIFY(trace.lines(QStringLiteral("process")).isEmpty());
}

void MediaTest::everySoundButtonPlaysItsOwnFile()
{
    TraceLog trace;
    BoxAnswerer boxes;
    DiscFixture fixture;
    QRect panel;
    QRect photo;
    QString focus;
    QString second;
    bool closedPlays = false;
    bool panelHidden = false;
    bool stopped = false;
    runWithMainWindow(fixture, [&](Script &script) {
        script
            .then([&] {
                openSounds();
                QWidget *pnl = control(QStringLiteral("pnlSound"));
                panel = QRect(pnl->mapTo(mainWindow(), QPoint(0, 0)), pnl->size());
                QWidget *image = control(QStringLiteral("Image4"));
                photo = QRect(image->mapTo(mainWindow(), QPoint(0, 0)), image->size());
                focus = focused();
                for (int i = 0; i < 29; ++i)
                    playSound(i);
                playSound(3);
                playSound(7);
                second = mainDevice()->fileName();
            })
            .then([] { return mainDevice()->isPlaying() && mainDevice()->position() > 0; },
                  [&] {
                      controlOf<QPushButton>(QStringLiteral("Form1"), QStringLiteral("SSCommand1"))
                          ->click();
                      panelHidden = !control(QStringLiteral("pnlSound"))->isVisible();
                      closedPlays = mainDevice()->isPlaying();
                      openSounds();
                      controlOf<QPushButton>(QStringLiteral("Form1"), QStringLiteral("SSCommand3"))
                          ->click();
                      stopped = !mainDevice()->isPlaying() && !mainDevice()->isOpen();
                  });
    });
    QCOMPARE(boxes.texts(), QStringList());
    QVERIFY2(photo.contains(panel), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                   .arg(panel.x())
                                                   .arg(panel.y())
                                                   .arg(panel.width())
                                                   .arg(panel.height())));
    QVERIFY(qAbs(panel.center().x() - photo.center().x()) <= 1);
    QCOMPARE(focus, QStringLiteral("SSCommand1"));

    const QStringList files =
        mediaValues(trace, QStringLiteral("Form1.MMControl1"), QStringLiteral("filename"));
    const QStringList expected{"backfrng.wav", "car_door.wav",  "carhorns.wav", "horns.wav",
                               "cop-car.wav",  "taxi.wav",      "sportcar.wav", "18wheelr.wav",
                               "peel-out.wav", "Track2.wav",    "nascar.wav",   "racecar.wav",
                               "indy-car.wav", "mcycle.wav",    "batmoble.wav", "62vanor.wav",
                               "63vanor.wav",  "vanstart.wav",  "passby.wav",   "kelvanor.wav",
                               "zr1start.wav", "motorcyc2.wav", "hot_rod.wav",  "red_lght.wav",
                               "porche.wav",   "stealth.wav",   "stuck.wav",    "revnrun.wav",
                               "goingby.wav",  "horns.wav",     "18wheelr.wav"};
    QCOMPARE(files.size(), expected.size());
    for (int i = 0; i < files.size(); ++i)
        QCOMPARE(QDir(files[i]).absolutePath(),
                 fixture.discDir() + QStringLiteral("/wav/") + expected[i]);
    QVERIFY(second.endsWith(QStringLiteral("/18wheelr.wav")));
    // Each sound closed the one before it: close, open, play for every press.
    const QStringList commands =
        mediaValues(trace, QStringLiteral("Form1.MMControl1"), QStringLiteral("command"));
    QStringList pattern;
    for (int i = 0; i < 31; ++i)
        pattern << "close"
                << "open"
                << "play";
    QCOMPARE(commands.mid(0, pattern.size()), pattern);
    QVERIFY(panelHidden);
    QVERIFY(closedPlays);
    QVERIFY(stopped);
}

void MediaTest::missingSoundsReportER038()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    fixture.removeDiscFile(QStringLiteral("wav"));
    QString failing;
    bool panelShown = false;
    runOnMainWindow(fixture, [&] {
        openSounds();
        for (int i = 0; i < 29; ++i)
            playSound(i);
        failing = programState()->property("SoundFilePath").toString();
        panelShown = control(QStringLiteral("pnlSound"))->isVisible();
    });
    QCOMPARE(boxes.texts().size(), 29);
    for (const QString &text : boxes.texts())
        QVERIFY(text.contains(QStringLiteral("Error number: ER038")));
    QCOMPARE(failing, QStringLiteral("E:\\wav\\goingby.wav"));
    QVERIFY(panelShown);
}

void MediaTest::damagedSoundsEndInTheProgramsMessage_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("plays");
    QTest::newRow("0 bytes") << "empty" << false;
    QTest::newRow("cut off in its header") << "truncated" << false;
    QTest::newRow("header claims 2 GB, holds a few samples") << "declared" << true;
    QTest::newRow("500 MB") << "huge" << false;
    QTest::newRow("random bytes") << "random" << false;
    QTest::newRow("a folder named like the file") << "folder" << false;
}

// Each damaged sound ends in ER038 or plays what it holds; the panel goes on working.
void MediaTest::damagedSoundsEndInTheProgramsMessage()
{
    QFETCH(QString, how);
    QFETCH(bool, plays);
    BoxAnswerer boxes;
    DiscFixture fixture;
    damage(fixture, QStringLiteral("wav/backfrng.wav"), how);
    bool played = false;
    QString next;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { openSounds(); })
            .then([] { playSound(0); })
            .then([&] { return !boxes.texts().isEmpty() || mainDevice()->isPlaying(); },
                  [&] {
                      played = mainDevice()->isPlaying();
                      playSound(1);
                  })
            .then([] { return mainDevice()->isPlaying(); },
                  [&] { next = mainDevice()->fileName(); });
    });
    QCOMPARE(played, plays);
    QCOMPARE(boxes.texts().size(), plays ? 0 : 1);
    if (!plays)
        QVERIFY2(boxes.texts()[0].contains(QStringLiteral("Error number: ER038")),
                 qPrintable(boxes.texts()[0]));
    QVERIFY(next.endsWith(QStringLiteral("car_door.wav")));
}

void MediaTest::damagedFilmsEndInTheProgramsMessage_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("0 bytes") << "empty";
    QTest::newRow("cut off half-way") << "truncated";
    QTest::newRow("random bytes") << "random";
    QTest::newRow("a picture no decoder knows") << "undecodable";
    QTest::newRow("a folder named like the file") << "folder";
}

// The first film loads as the window opens: each damage ends in ER045, and the next
// film plays.
void MediaTest::damagedFilmsEndInTheProgramsMessage()
{
    QFETCH(QString, how);
    BoxAnswerer boxes;
    DiscFixture fixture;
    damage(fixture, QStringLiteral("movies/") + FilmFiles[0], how);
    bool barShown = true;
    runWithMainWindow(fixture, [&](Script &script) {
        openMovieWindow(script)
            .then([&] { return !boxes.texts().isEmpty(); },
                  [&] {
                      barShown = movieDevice()->isVisible();
                      chooseFilm(1);
                      pressDevice(Button::Play);
                  })
            .then(moviePlaying, [] { exitMovies(); })
            .then(movieWindowGone, [] {});
    });
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY2(boxes.texts()[0].contains(ER045), qPrintable(boxes.texts()[0]));
    QVERIFY(!barShown);
}

// The movie window while a film is loaded and the sound panel over the photo: every
// showing object has a name, the picture-only buttons by what they do.
void MediaTest::screenReadersFindEveryControlNamed()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    QStringList movieUnnamed{QStringLiteral("not read")};
    QStringList panelUnnamed{QStringLiteral("not read")};
    QStringList transport;
    QString firstSound;
    runWithMainWindow(fixture, [&](Script &script) {
        openMovieWindow(script)
            .then([] { return movieDevice()->isOpen(); },
                  [&] {
                      movieUnnamed = unnamedAccessibleObjects(topLevel(Movie));
                      for (Button button : {Button::Play, Button::Stop})
                          transport << movieDevice()->button(button)->accessibleName();
                      exitMovies();
                  })
            .then(movieWindowGone, [&] {
                openSounds();
                panelUnnamed = unnamedAccessibleObjects(control(QStringLiteral("pnlSound")));
                firstSound = control(QStringLiteral("SSCommand2(0)"))->accessibleName();
            });
    });
    QCOMPARE(movieUnnamed, QStringList());
    QCOMPARE(panelUnnamed, QStringList());
    QCOMPARE(transport, (QStringList{"Play", "Stop"}));
    QCOMPARE(firstSound, QStringLiteral("Play Backfiring"));
    QCOMPARE(boxes.texts(), QStringList());
}

QTEST_MAIN(MediaTest)
#include "tst_media.moc"
