// Drives the whole program on the sample disc (start, years, photos, an article, the slide show,
// a film, a sound, the photo copy) while a 1 ms timer probes the event loop: the longest time the
// loop could not answer it is the longest stall the user could feel. With --check the program
// ends with status 1 when a step's stall passes the goal by more than the probe's own noise.

#include "measure.h"
#include "platform/media/multimediadevice.h"
#include "startup/programstate.h"
#include "support/e2e.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

using namespace gallerion;
using namespace gallerion::bench;
using namespace gallerion::test;

namespace {

constexpr double GoalMs = 50;

// Records how late each tick of a 1 ms timer comes, per named step.
class StallProbe : public QObject
{
public:
    StallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
        m_clock.start();
        m_last = m_clock.nsecsElapsed();
        m_timer.start();
    }

    void begin(const QString &step)
    {
        finish();
        m_step = step;
        m_worst = 0;
        m_last = m_clock.nsecsElapsed();
    }

    void finish()
    {
        if (!m_step.isEmpty())
            m_results.append({m_step, m_worst});
        m_step.clear();
    }

    double worstOf(const QString &step) const
    {
        for (const auto &[name, worst] : m_results) {
            if (name == step)
                return worst;
        }
        return 0;
    }
    const QList<std::pair<QString, double>> &results() const { return m_results; }

private:
    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_worst = std::max(m_worst, (now - m_last) / 1e6 - 1.0);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    QString m_step;
    double m_worst = 0;
    QList<std::pair<QString, double>> m_results;
};

// A condition that holds once this much time has passed since it was first asked.
std::function<bool()> after(int ms)
{
    auto clock = std::make_shared<QElapsedTimer>();
    return [clock, ms] {
        if (!clock->isValid())
            clock->start();
        return clock->elapsed() >= ms;
    };
}

void trigger(const char *entry)
{
    menuEntry(QLatin1String(entry))->trigger();
}

template <typename T = QWidget> T *in(const QString &window, const char *name)
{
    return controlOf<T>(window, QLatin1String(name));
}

void browse(Script &script, StallProbe &probe)
{
    script.then([&probe] { probe.begin(QStringLiteral("years")); });
    for (int year = 0; year < 10; ++year)
        script.then([year] { clickYear(1 + year * 4); });
    script.then([&probe] {
        probe.begin(QStringLiteral("photos"));
        clickYear(5);
    });
    for (int step = 0; step < 20; ++step)
        script.then([] { QTest::keyClick(control(QStringLiteral("cmdYR(5)")), '.'); });
}

void readArticle(Script &script, StallProbe &probe)
{
    script.then([&probe] { probe.begin(QStringLiteral("article")); });
    openAndCloseDocument(
        script, [] { trigger("mnuBooks"); }, [] {});
}

void playSlideShow(Script &script, StallProbe &probe)
{
    const QString slide = QStringLiteral("frmSlide");
    script.then([&probe] {
        probe.begin(QStringLiteral("slide show"));
        clickYear(3);
    });
    script.thenStart([] { trigger("mnuSlideShow"); })
        .then([slide] { return windowShown(slide); },
              [slide] {
                  in<MultimediaDevice>(slide, "mmSlide")
                      ->button(MultimediaDevice::Button::Play)
                      ->click();
              })
        .then(after(4000), [slide] { in<QAbstractButton>(slide, "cmdExit")->click(); })
        .then([slide] { return !windowShown(slide); }, [] {});
}

void playFilm(Script &script, StallProbe &probe)
{
    const QString movie = QStringLiteral("frmMovie");
    auto device = [movie] { return in<MultimediaDevice>(movie, "MMControl1"); };
    script.then([&probe] { probe.begin(QStringLiteral("film")); });
    script.thenStart([] { trigger("mnuMovies"); })
        .then([movie] { return windowShown(movie); },
              [device] { device()->button(MultimediaDevice::Button::Play)->click(); })
        .then([device] { return device()->isPlaying() && device()->position() > 1500; },
              [movie] { in<QAbstractButton>(movie, "SSCommand1")->click(); })
        .then([movie] { return !topLevel(movie); }, [] {});
}

void playSound(Script &script, StallProbe &probe)
{
    script.then([&probe] {
        probe.begin(QStringLiteral("sound"));
        trigger("mnuSound");
    });
    script.then([] { control<QAbstractButton>(QStringLiteral("SSCommand2(0)"))->click(); })
        .then(after(1500), [] {});
}

void copyPhotos(Script &script, StallProbe &probe)
{
    auto copyOver = [] {
        return !control(QStringLiteral("pnlProgress"))->isVisible() && mainWindow()->isEnabled();
    };
    script.then([&probe] {
        probe.begin(QStringLiteral("copy"));
        trigger("mnuCopy");
    });
    script.then([] { control<QAbstractButton>(QStringLiteral("cmdCopy"))->click(); })
        .then(copyOver, [&probe] { probe.finish(); });
}

// How late the probe comes when nothing else runs: the noise any figure carries.
double idleNoise(StallProbe &probe)
{
    probe.begin(QStringLiteral("idle"));
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    probe.finish();
    return probe.worstOf(QStringLiteral("idle"));
}

} // namespace

int main(int argc, char **argv)
{
    const bool check = std::any_of(argv + 1, argv + argc,
                                   [](const char *word) { return qstrcmp(word, "--check") == 0; });
    QTemporaryDir home;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, home.filePath(QLatin1String(name)).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DiscFixture fixture;
    fixture.useDisc();
    BoxAnswerer boxes;
    StallProbe probe;
    const double noise = idleNoise(probe);

    Script script;
    probe.begin(QStringLiteral("start"));
    script.then(shortenSplash).then(mainWindowShown, [] {});
    browse(script, probe);
    readArticle(script, probe);
    playSlideShow(script, probe);
    playFilm(script, probe);
    playSound(script, probe);
    copyPhotos(script, probe);
    script.then(closeMainWindow);
    runProgram();
    probe.finish();

    bool met = true;
    out() << "event-loop stalls over the whole program (probe noise " << noise << " ms)\n";
    for (const auto &[step, worst] : probe.results()) {
        if (step == QLatin1String("idle"))
            continue;
        out() << "  " << step << ": longest stall: " << qRound(worst) << " ms   goal: at most "
              << GoalMs << " ms\n";
        met = met && worst <= GoalMs + noise;
    }
    if (!script.finished())
        out() << "  the walk did not finish: " << script.failure() << "\n";
    out().flush();
    return check && (!met || !script.finished()) ? 1 : 0;
}
