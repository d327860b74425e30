#include "saver/saverrun.h"

#include "platform/filesystem.h"
#include "platform/settingsstore.h"
#include "saver/saveroptions.h"
#include "saver/saverplan.h"
#include "saver/saverwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace gallerion {

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Inside another program's window: ours becomes its child and follows its size.
bool embed(SaverWindow &window, quint64 id)
{
    QWindow *host = QWindow::fromWinId(WId(id));
    if (!host)
        return false;
    host->setParent(nullptr);
    window.setParent(nullptr);
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.winId();
    window.windowHandle()->setParent(host);
    window.setGeometry(QRect(QPoint(0, 0), host->geometry().size()));
    window.show();
    return true;
}

bool present(SaverWindow &window, const SaverOptions &options)
{
    switch (options.mode) {
    case SaverMode::FullScreen:
        window.showFullScreen();
        window.activateWindow();
        return true;
    case SaverMode::InWindow:
        window.resize(800, 600);
        window.show();
        return true;
    case SaverMode::Embedded:
        return embed(window, options.windowId);
    }
    return false;
}

} // namespace

int runScreenSaver(int argc, char **argv)
{
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
    SaverWindow window(planScreenSaver(SettingsStore(), files), options->mode);
    window.setAttribute(Qt::WA_QuitOnClose, false);
    QEventLoop loop;
    QObject::connect(&window, &SaverWindow::closed, &loop, &QEventLoop::quit);
    if (!present(window, *options)) {
        std::fprintf(stderr, "Zarvick2001.scr: no window 0x%llx to draw into\n",
                     static_cast<unsigned long long>(options->windowId));
        return 1;
    }
    loop.exec();
    return 0;
}

} // namespace gallerion
