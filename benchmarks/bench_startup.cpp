// Starts the viewer on the sample disc as a user does and times, from the start command, the
// start-up window drawn and the main window drawn with the first photo decoded. Beside it, the
// same start of an image viewer of the desktop (eog or gthumb) opening one photo, when one is
// installed and a display is there to find its window on.

#include "measure.h"
#include "support/e2e.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <optional>

using namespace gallerion;
using namespace gallerion::bench;

namespace {

constexpr int Runs = 5;
constexpr int TimeoutMs = 30000;
// The start-up window's own wait before the main window.
constexpr double HandOverDelayMs = 5000;
constexpr double SplashGoalMs = 500;
// The wait starts only once the start-up window is drawn, so what the main window takes after
// it is measured from there: a little more than the hand-over itself.
constexpr double HandOverGoalMs = 300;

struct StartTimes
{
    double splash = -1;
    double main = -1;
};

bool hasLine(const QByteArray &trace, const QString &kind, const QString &key, const QString &value)
{
    for (const QByteArray &line : trace.split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry.value(QStringLiteral("kind")).toString() == kind &&
            entry.value(key).toString() == value)
            return true;
    }
    return false;
}

QProcessEnvironment viewerEnvironment(const QTemporaryDir &home, const test::DiscFixture &fixture,
                                      const QString &tracePath)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        const QString dir = home.filePath(QLatin1String(name));
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QLatin1String(name), dir);
    }
    environment.insert(QStringLiteral("GALLERION_DRIVES"),
                       QStringLiteral("E=") + fixture.discDir());
    environment.insert(QStringLiteral("GALLERION_PROGRAM_DIR"), fixture.programDir());
    environment.insert(QStringLiteral("GALLERION_TRACE"), tracePath);
    if (!environment.contains(QStringLiteral("DISPLAY")) &&
        !environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// One start of the viewer, ended as the system ends a program (SIGTERM) once measured.
StartTimes startViewer()
{
    QTemporaryDir home;
    const test::DiscFixture fixture;
    const QString tracePath = home.filePath(QStringLiteral("trace.jsonl"));
    QProcess viewer;
    viewer.setProcessEnvironment(viewerEnvironment(home, fixture, tracePath));
    viewer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    viewer.start(QStringLiteral(GALLERION_BINARY_DIR "/src/zarvick-gallerion"));
    StartTimes times;
    bool mainPainted = false;
    bool photoReady = false;
    while (clock.elapsed() < TimeoutMs && viewer.state() != QProcess::NotRunning) {
        QFile file(tracePath);
        const QByteArray trace = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const double now = clock.nsecsElapsed() / 1e6;
        if (times.splash < 0 &&
            hasLine(trace, QStringLiteral("window"), QStringLiteral("name"), "Form2"))
            times.splash = now;
        mainPainted = mainPainted ||
                      hasLine(trace, QStringLiteral("window"), QStringLiteral("name"), "Form1");
        photoReady = photoReady || hasLine(trace, QStringLiteral("photo"), QStringLiteral("event"),
                                           QStringLiteral("ready"));
        if (mainPainted && photoReady) {
            times.main = now;
            break;
        }
        QThread::msleep(2);
    }
    viewer.terminate();
    if (!viewer.waitForFinished(10000))
        viewer.kill();
    viewer.waitForFinished();
    return times;
}

QString firstSamplePhoto()
{
    return QDir(test::sampleDiscDir() + QStringLiteral("/disc/zarvicks"))
        .entryInfoList({QStringLiteral("*.jpg"), QStringLiteral("*.JPG")})
        .value(0)
        .absoluteFilePath();
}

bool windowNamed(const QString &part)
{
    QProcess list;
    list.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    list.waitForFinished(5000);
    return QString::fromLocal8Bit(list.readAllStandardOutput()).contains(part);
}

// Start command to the viewer's window on the X display, by its title.
std::optional<double> startDesktopViewer(const QString &program, const QString &photo)
{
    QProcess viewer;
    QElapsedTimer clock;
    clock.start();
    viewer.start(program, {photo});
    std::optional<double> shown;
    while (clock.elapsed() < TimeoutMs && viewer.state() != QProcess::NotRunning) {
        if (windowNamed(QFileInfo(photo).fileName())) {
            shown = clock.nsecsElapsed() / 1e6;
            break;
        }
        QThread::msleep(2);
    }
    viewer.terminate();
    if (!viewer.waitForFinished(5000))
        viewer.kill();
    viewer.waitForFinished();
    return shown;
}

void compareWithDesktopViewer()
{
    QString program;
    for (const char *name : {"eog", "gthumb"}) {
        if (program.isEmpty())
            program = QStandardPaths::findExecutable(QLatin1String(name));
    }
    if (program.isEmpty()) {
        out() << "  eog / gthumb: not installed, no comparison\n";
        return;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") ||
        QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty()) {
        out() << "  " << QFileInfo(program).fileName()
              << ": needs an X display and xwininfo to find its window, no comparison\n";
        return;
    }
    QList<double> times;
    for (int run = 0; run < Runs; ++run) {
        if (const auto shown = startDesktopViewer(program, firstSamplePhoto()))
            times.append(*shown);
    }
    out() << "  " << QFileInfo(program).fileName() << " opening one photo: window after "
          << median(times) << " ms (median of " << times.size() << ")\n";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool check = app.arguments().contains(QStringLiteral("--check"));
    QList<double> splash;
    QList<double> main;
    QList<double> afterWait;
    for (int run = 0; run < Runs; ++run) {
        const StartTimes times = startViewer();
        if (times.splash >= 0)
            splash.append(times.splash);
        if (times.main >= 0)
            main.append(times.main);
        if (times.splash >= 0 && times.main >= 0)
            afterWait.append(times.main - times.splash - HandOverDelayMs);
    }
    const bool complete = splash.size() == Runs && main.size() == Runs;
    out() << "start-up of the viewer on the sample disc (median of " << Runs << " starts)\n"
          << "  start to start-up window: " << median(splash) << " ms   goal: at most "
          << SplashGoalMs << " ms\n"
          << "  start to main window with the first photo ready: " << median(main) << " ms\n"
          << "  of that, after the start-up window's " << HandOverDelayMs
          << " ms wait: " << median(afterWait) << " ms   goal: at most " << HandOverGoalMs
          << " ms\n";
    if (!complete)
        out() << "  only " << splash.size() << " and " << main.size() << " of " << Runs
              << " starts were seen through\n";
    compareWithDesktopViewer();
    out().flush();
    const bool met = median(splash) <= SplashGoalMs && median(afterWait) <= HandOverGoalMs;
    return check && (!complete || !met) ? 1 : 0;
}
