#include "app/run.h"

#include "browser/mainwindow.h"
#include "platform/platform.h"
#include "startup/programstate.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>

#include <memory>

namespace gallerion {

namespace {

QString argumentText(int argc, char **argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    return words.join(QLatin1Char(' '));
}

} // namespace

int run(int argc, char **argv)
{
    std::unique_ptr<QApplication> ownApplication;
    if (!QApplication::instance())
        ownApplication = std::make_unique<QApplication>(argc, argv);
    QApplication *app = qApp;
    const bool quitOnLastWindow = app->quitOnLastWindowClosed();
    app->setQuitOnLastWindowClosed(false);

    auto *state = new ProgramState(app);
    auto *platform = new Platform(FileSystem::fromEnvironment(), state);
    state->ProgramDir = platform->files().programDir();
    Q_UNUSED(argumentText(argc, argv));

    QEventLoop loop;
    QObject::connect(state, &ProgramState::endRequested, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);

    auto window = std::make_unique<MainWindow>(*state, *platform);
    window->show();
    if (!state->isEnding())
        loop.exec();

    window.reset();
    const int code = state->exitCode();
    delete state;
    app->setQuitOnLastWindowClosed(quitOnLastWindow);
    return code;
}

} // namespace gallerion
