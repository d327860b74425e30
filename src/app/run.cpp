#include "app/run.h"

#include "browser/mainwindow.h"
#include "browser/mainwindowlayout.h"
#include "browser/photoview.h"
#include "documents/documentsfeature.h"
#include "library/libraryfeature.h"
#include "library/screensaverfeature.h"
#include "media/mediafeature.h"
#include "platform/displaycheck.h"
#include "platform/filesystem.h"
#include "platform/firstpaint.h"
#include "platform/photoloader.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "platform/settingsstore.h"
#include "platform/terminationsignals.h"
#include "platform/trace.h"
#include "slideshow/slideshowfeature.h"
#include "startup/applicationversion.h"
#include "startup/discimagechoice.h"
#include "startup/programstate.h"
#include "startup/splashwindow.h"
#include "utilities/utilitiesfeature.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>

#include <cstdio>
#include <memory>
#include <optional>

namespace gallerion {

namespace {

// The whole argument text, as the original command line gave it to the program.
QString argumentText(int argc, char **argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    return words.join(QLatin1Char(' '));
}

// What --version and --help print; these need no display and start nothing.
std::optional<QString> commandLineAnswer(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray word(argv[i]);
        if (word == "--version")
            return QStringLiteral("zarvick-gallerion ") + applicationVersion() + QLatin1Char('\n');
        if (word == "--help" || word == "-h")
            return QStringLiteral(
                "Usage: zarvick-gallerion [HWI | IMAGE]\n"
                "Browses The Zarvick Gallerion 2001 content disc.\n\n"
                "  HWI        read the content from the program's own folder instead of a disc\n"
                "  IMAGE      read the disc from an image file (.iso, .cue, .bin), remembered\n"
                "             for later starts without a disc\n"
                "  --version  print the version and end\n"
                "  --help     print this text and end\n");
    }
    return std::nullopt;
}

// Each feature plugs its menu entries, windows and panels into the main window.
void installFeatures(MainWindow &mainWindow, ProgramState &state, Platform &platform)
{
    installDocuments(mainWindow, state, platform);
    installSlideShow(mainWindow, state, platform);
    installMedia(mainWindow, state, platform);
    installScreenSaver(mainWindow, state, platform, *installLibrary(mainWindow, state, platform));
    installUtilities(mainWindow, state, platform);
    mainWindow.disableUnclaimedMenuEntries();
}

// An image from the command line is remembered once it proved to be the disc.
void rememberFoundImage(const ProgramState &state, Platform &platform, const QString &image)
{
    const QString disc = state.DiscRoot;
    if (!image.isEmpty() && disc.size() == 2 &&
        platform.files().drives().directoryOf(disc.at(0)) == image)
        rememberDiscImage(platform.settings(), image);
}

// Everything one run makes; destroyed in reverse order when the run ends.
struct Session
{
    std::unique_ptr<SplashWindow> splash;
    std::unique_ptr<MainWindow> mainWindow;
};

// Made while the start-up window waits; the hand-over then only shows it.
void prepareMainWindow(Session &session, ProgramState &state, Platform &platform)
{
    if (session.mainWindow)
        return;
    session.mainWindow = std::make_unique<MainWindow>(state, platform);
    installFeatures(*session.mainWindow, state, platform);
    if (platform.screen().pixels() != QSize(800, 600)) {
        MainWindowLayout layout = MainWindowLayout::designed();
        layout.compact();
        session.mainWindow->applyLayout(layout);
    }
}

// The first year's first photo is what the user most likely sees first: it is decoded
// while the window is drawn.
void showMainWindow(Session &session, ProgramState &state, Platform &platform)
{
    MainWindow &window = *session.mainWindow;
    QObject::connect(&window, &MainWindow::loaded, session.splash.get(), &QWidget::close);
    FirstPaintWatch::watch(&window);
    window.load();
    const QString first = state.photoList().value(0);
    if (first.isEmpty())
        return;
    const QString path = platform.files().nativePath(first);
    QObject::connect(&window.photoLoader(), &PhotoLoader::preloaded, &window,
                     [path](const QString &ready) {
                         if (ready == path)
                             trace::write({{QStringLiteral("kind"), QStringLiteral("photo")},
                                           {QStringLiteral("event"), QStringLiteral("ready")},
                                           {QStringLiteral("path"), ready}});
                     });
    window.controls().Image4->preload({path});
}

// A request from the system to end is a close by the user: the main window keeps its
// placement, and a box or window waiting for an answer is given up.
void endOnRequest(Session &session, ProgramState &state)
{
    // A main window made ahead but not yet shown has no placement to keep.
    if (session.mainWindow && session.mainWindow->isVisible())
        session.mainWindow->close();
    state.requestEnd();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    }
}

// Without a display Qt's window plugin would end the process; the user learns why instead.
bool displayReachable()
{
    const QString reason = missingDisplayReason(DisplayEnvironment::fromProcess());
    if (reason.isEmpty())
        return true;
    std::fputs(qPrintable(QStringLiteral("zarvick-gallerion: ") + reason + QLatin1Char('\n')),
               stderr);
    return false;
}

} // namespace

int run(int argc, char **argv)
{
    if (const std::optional<QString> answer = commandLineAnswer(argc, argv)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }
    std::unique_ptr<QApplication> ownApplication;
    if (!QApplication::instance() && !displayReachable())
        return 1;
    if (!QApplication::instance())
        ownApplication = std::make_unique<QApplication>(argc, argv);
    QApplication *app = qApp;
    const bool quitOnLastWindow = app->quitOnLastWindowClosed();
    app->setQuitOnLastWindowClosed(false);

    auto *state = new ProgramState(app);
    const QString arguments = argumentText(argc, argv);
    const QString chosenImage = discImageArgument(arguments);
    // The drives named in the environment leave no place for a remembered image.
    const QString remembered = qEnvironmentVariableIsSet("GALLERION_DRIVES")
                                   ? QString()
                                   : rememberedDiscImage(SettingsStore());
    auto *platform = new Platform(FileSystem::fromEnvironment(chosenImage, remembered), state);
    state->ProgramDir = platform->files().programDir();

    QEventLoop loop;
    QObject::connect(state, &ProgramState::endRequested, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);

    Session session;
    auto *termination = new TerminationSignals(state);
    QObject::connect(termination, &TerminationSignals::terminationRequested, state,
                     [&session, state] { endOnRequest(session, *state); });
    session.splash = std::make_unique<SplashWindow>(*state, *platform);
    session.splash->setPreparation(
        [&session, state, platform] { prepareMainWindow(session, *state, *platform); });
    session.splash->setHandOver([&session, state, platform, chosenImage] {
        rememberFoundImage(*state, *platform, chosenImage);
        prepareMainWindow(session, *state, *platform);
        showMainWindow(session, *state, *platform);
    });
    session.splash->load(arguments);
    if (!state->isEnding())
        loop.exec();

    session.mainWindow.reset();
    session.splash.reset();
    const int code = state->exitCode();
    delete state;
    app->setQuitOnLastWindowClosed(quitOnLastWindow);
    return code;
}

} // namespace gallerion
