#include "saver/saverrun.h"

#include "platform/filesystem.h"
#include "platform/settingsstore.h"
#include "saver/hostwindow.h"
#include "saver/saveroptions.h"
#include "saver/saverplan.h"
#include "saver/saverwindow.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace gallerion {

namespace {

// How often an embedded saver looks at the size of the window it lies in.
constexpr int HostPollMs = 500;

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Inside another program's window: ours becomes its child and follows its
// size, which may change (a preview); it ends when that window goes.
bool embed(SaverWindow &window, quint64 id, std::unique_ptr<QWindow> &host)
{
    host.reset(QWindow::fromWinId(WId(id)));
    if (!host || hostWindowSize(*host).isEmpty())
        return false;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.winId();
    window.windowHandle()->setParent(host.get());
    const auto fit = [&window, &host] {
        const QSize size = hostWindowSize(*host);
        if (size.isEmpty())
            window.close();
        else if (size != window.size())
            window.setGeometry(QRect(QPoint(0, 0), size));
    };
    fit();
    auto *timer = new QTimer(&window);
    QObject::connect(timer, &QTimer::timeout, &window, fit);
    timer->start(HostPollMs);
    window.show();
    return true;
}

bool present(SaverWindow &window, const SaverOptions &options, std::unique_ptr<QWindow> &host)
{
    switch (options.mode) {
    case SaverMode::FullScreen:
        // Set by hand too: with no window manager, nothing else sizes it.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            window.setGeometry(screen->geometry());
        window.showFullScreen();
        window.activateWindow();
        return true;
    case SaverMode::InWindow:
        window.resize(800, 600);
        window.show();
        return true;
    case SaverMode::Embedded:
        return embed(window, options.windowId, host);
    }
    return false;
}

} // namespace

int runScreenSaver(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--help") == 0) {
        std::fputs(qPrintable(saverUsage()), stdout);
        return 0;
    }
    std::unique_ptr<QApplication> ownApplication;
    if (!QApplication::instance())
        ownApplication = std::make_unique<QApplication>(argc, argv);
    const std::optional<SaverOptions> options =
        parseSaverOptions(argumentsOf(argc, argv), qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    if (!options) {
        std::fputs(qPrintable(saverUsage()), stderr);
        return 2;
    }
    const FileSystem files = FileSystem::fromEnvironment();
    std::unique_ptr<QWindow> host; // outlives the window that lies in it
    SaverWindow window(planScreenSaver(SettingsStore(), files), options->mode);
    window.setAttribute(Qt::WA_QuitOnClose, false);
    // Queued, so that a window that ends before the loop runs still ends it.
    QObject::connect(&window, &SaverWindow::closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!present(window, *options, host)) {
        std::fprintf(stderr, "Zarvick2001.scr: no window 0x%llx to draw into\n",
                     static_cast<unsigned long long>(options->windowId));
        return 1;
    }
    QApplication::exec();
    return 0;
}

} // namespace gallerion
