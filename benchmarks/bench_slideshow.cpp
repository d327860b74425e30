// Plays the slide show over the sample disc and over large photos made here:
// the time of one tick (load and paint, with the slide decoded ahead while the
// one before was on view), the time from the menu command to the first picture,
// the resident memory after 50 and 1,000 slides, and 30 slides played for real
// at a one-second delay.

#include "browser/entrybrowser.h"
#include "browser/mainwindow.h"
#include "catalogue/entries.h"
#include "mainwindowsession.h"
#include "measure.h"
#include "widgets/photobox.h"
#include "platform/photoloader.h"
#include "platform/platform.h"
#include "slideshow/slidelayout.h"
#include "slideshow/slideshow.h"
#include "slideshow/slideshowfeature.h"
#include "slideshow/slideshowwindow.h"
#include "startup/contentlists.h"
#include "startup/programstate.h"
#include "support/e2e.h"
#include "support/scriptedmessageboxes.h"
#include "platform/webbrowser.h"
#include "platform/filesystem.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>

using namespace gallerion;
using namespace gallerion::bench;

namespace {

constexpr int bigPhotos = 24;
constexpr int ticks = 1000;
constexpr int realSlides = 30;

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * 4096 / (1024 * 1024);
}

// A disc whose photos are 3000 x 2000 JPEGs with detail enough to cost a real decode.
QString makeLargeDisc(const QTemporaryDir &dir)
{
    const QString photos = dir.filePath(QStringLiteral("disc/zarvicks"));
    QDir().mkpath(photos);
    for (int i = 0; i < bigPhotos; ++i) {
        QImage image(3000, 2000, QImage::Format_RGB32);
        QPainter painter(&image);
        for (int y = 0; y < 2000; y += 40)
            for (int x = 0; x < 3000; x += 40)
                painter.fillRect(x, y, 40, 40, QColor::fromHsv((x + y + i * 37) % 360, 180, 200));
        painter.end();
        const QString code = i < bigPhotos / 2 ? QStringLiteral("65") : QStringLiteral("66");
        image.save(photos +
                       QStringLiteral("/%1AAAA%2.JPG").arg(code).arg(i, 2, 10, QLatin1Char('0')),
                   "JPEG", 85);
    }
    return dir.filePath(QStringLiteral("disc"));
}

// The main window with the slide show installed.
struct Session : MainWindowSession
{
    explicit Session(const QString &discDir) : MainWindowSession(discDir, QSize(1024, 740))
    {
        installSlideShow(window, state, platform);
    }
};

// From the menu command until the first slide is painted.
double openingMs(Session &session)
{
    session.window.browser().yearClicked(3);
    QElapsedTimer timer;
    double shown = -1;
    QTimer::singleShot(0, [&] {
        auto *slide = qobject_cast<SlideShowWindow *>(QApplication::activeModalWidget());
        if (!slide)
            return;
        slide->Image1->repaint();
        shown = timer.nsecsElapsed() / 1e6;
        slide->closeNow();
    });
    timer.start();
    session.window.claimMenuEntry(MenuEntry::SlideShow)->trigger();
    return shown;
}

struct Show
{
    explicit Show(Session &session)
        : window(SlideLayout::designed(), 1.28, &session.window),
          show(new SlideShow(window, session.window, session.state, session.platform))
    {
        show->prime();
        window.show();
        QCoreApplication::processEvents();
        show->start(0);
    }
    SlideShowWindow window;
    SlideShow *show;
};

void waitForNextSlide(Session &session, Show &show)
{
    const EntryModel &entries = session.state.entries();
    const int index =
        show.show->currentIndex() > entries.photoCount() ? 1 : show.show->currentIndex();
    const QString path = session.platform.files().nativePath(entries.photoList().value(index - 1));
    QElapsedTimer waited;
    waited.start();
    while (!session.window.photoLoader().isReady(path, show.window.Image1->decodeBox()) &&
           waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
}

void playTicks(const QString &label, const QString &discDir)
{
    Session session(discDir);
    const double opening = openingMs(session);
    Show show(session);
    show.show->play();
    show.window.Timer1->stop();
    QList<double> tickMs;
    double after50 = 0;
    for (int i = 1; i <= ticks; ++i) {
        waitForNextSlide(session, show);
        QElapsedTimer timer;
        timer.start();
        show.show->tick();
        show.window.Image1->repaint();
        tickMs.append(timer.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
        if (i == 50)
            after50 = residentMegabytes();
    }
    const double after1000 = residentMegabytes();
    std::sort(tickMs.begin(), tickMs.end());
    out() << label << " (" << session.state.entries().photoCount() << " photos)\n"
          << "  menu command to first picture: " << opening << " ms\n"
          << "  tick (load + paint), median " << tickMs.at(tickMs.size() / 2) << " ms, worst "
          << tickMs.last() << " ms over " << ticks << " ticks\n"
          << "  resident memory after 50 slides " << after50 << " MB, after " << ticks << " slides "
          << after1000 << " MB (growth " << after1000 - after50 << " MB)\n";
    out().flush();
}

void playForReal(const QString &label, const QString &discDir)
{
    Session session(discDir);
    Show show(session);
    QElapsedTimer timer;
    int shown = 0;
    double lastMs = 0;
    QObject::connect(show.window.Timer1, &QTimer::timeout, [&] {
        ++shown;
        lastMs = timer.nsecsElapsed() / 1e6;
    });
    timer.start();
    show.show->play();
    while (shown < realSlides && timer.elapsed() < (realSlides + 10) * 1000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    out() << label << ": " << realSlides << " slides at a 1-second delay took " << lastMs / 1000
          << " s (target " << realSlides << " s + at most 0.2 s)\n";
    out().flush();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QString sample = test::sampleDiscDir() + QStringLiteral("/disc");
    QTemporaryDir large;
    const QString largeDisc = makeLargeDisc(large);
    playTicks(QStringLiteral("sample disc"), sample);
    playTicks(QStringLiteral("3000 x 2000 photos"), largeDisc);
    playForReal(QStringLiteral("sample disc"), sample);
    playForReal(QStringLiteral("3000 x 2000 photos"), largeDisc);
    return 0;
}
