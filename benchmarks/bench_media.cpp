// Times the two waits of the movies and sound effects: from a sound button's click
// to the main window's device playing, and from a film option's click to the film
// ready to play (opened, its first frame prerolled). Beside each, gst-launch-1.0
// playbin takes the same file to PAUSED in the same run; its figure is the
// pipeline's own time from "Setting pipeline to PAUSED" to "PREROLLED", without
// the tool's start-up. Run with a sound server (the test command's null sink).

#include "browser/mainwindow.h"
#include "mainwindowsession.h"
#include "measure.h"
#include "media/filmtable.h"
#include "media/mediafeature.h"
#include "media/moviemodel.h"
#include "media/moviewindow.h"
#include "media/soundtable.h"
#include "platform/filesystem.h"
#include "platform/media/multimediadevice.h"
#include "platform/platform.h"
#include "startup/programstate.h"
#include "support/scriptedmessageboxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <functional>
#include <memory>

using namespace gallerion;
using namespace gallerion::bench;

namespace {

constexpr int Rounds = 5;
constexpr int GstTimeoutMs = 20000;

// The device opens while events go on; the figure is the time until it has.
double millisecondsUntil(const std::function<void()> &start, const std::function<bool()> &done)
{
    return millisecondsOf([&] {
        start();
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < GstTimeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    });
}

// The time gst-launch-1.0's playbin takes from PAUSED asked to PREROLLED; -1 on failure.
double gstPausedMs(const QString &file, bool video)
{
    QProcess gst;
    gst.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments{QStringLiteral("playbin"),
                          QStringLiteral("uri=") + QUrl::fromLocalFile(file).toString()};
    if (video)
        arguments << QStringLiteral("video-sink=fakesink");
    QElapsedTimer timer;
    timer.start();
    gst.start(QStringLiteral("gst-launch-1.0"), arguments);
    double asked = -1;
    double prerolled = -1;
    QByteArray text;
    while (prerolled < 0 && timer.elapsed() < GstTimeoutMs && gst.waitForReadyRead(GstTimeoutMs)) {
        text += gst.readAll();
        if (asked < 0 && text.contains("Setting pipeline to PAUSED"))
            asked = timer.nsecsElapsed() / 1e6;
        if (text.contains("Pipeline is PREROLLED"))
            prerolled = timer.nsecsElapsed() / 1e6;
    }
    gst.kill();
    gst.waitForFinished();
    return asked >= 0 && prerolled >= 0 ? prerolled - asked : -1;
}

// The main window with the movies and sounds installed.
struct Session : MainWindowSession
{
    explicit Session(const QString &discDir) : MainWindowSession(discDir, QSize(800, 600))
    {
        movies.refresh(platform.files(), state.ProgramDir, state.DiscRoot);
        installMedia(window, state, platform);
    }

    MovieModel movies;
};

struct Figures
{
    QList<double> ours;
    QList<double> gst;
    int failures = 0;

    void addGst(double milliseconds)
    {
        if (milliseconds >= 0)
            gst.append(milliseconds);
        else
            ++failures;
    }
};

void report(const QString &what, const Figures &figures)
{
    const double ours = median(figures.ours);
    const double gst = median(figures.gst);
    out() << what << ": median " << QString::number(ours, 'f', 1) << " ms over "
          << figures.ours.size() << " clicks; gst-launch playbin to PAUSED "
          << QString::number(gst, 'f', 1) << " ms; ratio "
          << (gst > 0 ? QString::number(ours / gst, 'f', 2) : QStringLiteral("n/a"))
          << "; failures " << figures.failures << "\n";
    out().flush();
}

Figures timeSounds(Session &session)
{
    Figures figures;
    MultimediaDevice &device = session.window.multimediaDevice();
    for (int round = 0; round < Rounds; ++round) {
        for (int i = 0; i < SoundEffectCount; ++i) {
            auto *button =
                session.window.findChild<QToolButton *>(QStringLiteral("SSCommand2(%1)").arg(i));
            figures.ours.append(millisecondsUntil([button] { button->click(); },
                                                  [&device] { return device.isPlaying(); }));
            figures.failures += device.isPlaying() ? 0 : 1;
            const QString file =
                session.nativePath(QStringLiteral("E:\\wav\\") + soundEffects()[i].file);
            figures.addGst(gstPausedMs(file, false));
        }
    }
    device.command(QStringLiteral("close"));
    return figures;
}

Figures timeFilms(Session &session)
{
    Figures figures;
    MovieWindow window(session.window, session.state, session.platform, session.movies);
    window.show();
    auto *device = window.findChild<MultimediaDevice *>(QStringLiteral("MMControl1"));
    for (int round = 0; round < Rounds; ++round) {
        for (int i = 0; i < FilmCount; ++i) {
            auto *option = window.findChild<QRadioButton *>(QStringLiteral("optMovie(%1)").arg(i));
            figures.ours.append(millisecondsUntil([option] { option->click(); },
                                                  [device] { return !device->isOpening(); }));
            figures.failures += device->isOpen() && device->hasVideo() ? 0 : 1;
            figures.addGst(gstPausedMs(
                session.nativePath(session.movies.movieDir() + filmTable()[i].file), true));
        }
    }
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString disc = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral(GALLERION_SAMPLE_DISC_DIR "/disc");
    if (QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0")).isEmpty()) {
        out() << "needs gst-launch-1.0 (gstreamer1.0-tools)\n";
        return 1;
    }
    out() << "disc: " << disc << "\n";
    Session session(disc);
    report(QStringLiteral("sound button click to playing"), timeSounds(session));
    report(QStringLiteral("film option click to ready to play"), timeFilms(session));
    return 0;
}
