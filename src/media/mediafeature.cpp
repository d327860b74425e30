#include "media/mediafeature.h"

#include "media/codecoffer.h"
#include "media/moviemodel.h"
#include "media/moviewindow.h"
#include "media/soundmodel.h"
#include "media/soundpanel.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"

#include <QAction>
#include <memory>

namespace gallerion {

namespace {

// Shows the movie window modally; again when the video software was installed
// from it, so that its device opens afresh.
void openMovies(MainWindowHost &host, ProgramState &state, Platform &platform, MovieModel &movies)
{
    movies.refresh(platform.files(), state.ProgramDir, state.DiscRoot);
    int result = MovieWindow::Reopen;
    bool byExit = false;
    while (result == MovieWindow::Reopen && !state.isEnding()) {
        auto window = std::make_unique<MovieWindow>(host, state, platform, movies);
        QObject::connect(&state, &ProgramState::endRequested, window.get(), &QDialog::reject);
        // A reported error hands the main window back; it stays disabled under the movie window.
        QObject::connect(&state, &ProgramState::returnedToMainWindow, window.get(),
                         [&host] { host.setMainWindowEnabled(false); });
        window->load();
        result = window->exec();
        byExit = window->closedByExit();
    }
    if (state.isEnding())
        return;
    host.setMainWindowEnabled(true);
    if (byExit)
        state.returnToMainWindow();
}

} // namespace

void installMedia(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    QWidget *owner = host.mainWindow();
    auto *movies = new MovieModel(owner);
    movies->setObjectName(QStringLiteral("movies"));
    state.forwardProperties(movies);
    // Start-up played its own sound before the main window came.
    auto *sounds = new SoundModel(state.ProgramDir + QStringLiteral("\\passby.wav"), owner);
    state.forwardProperties(sounds);
    QObject::connect(
        host.claimMenuEntry(MenuEntry::Movies), &QAction::triggered, owner,
        [&host, &state, &platform, movies] { openMovies(host, state, platform, *movies); });
    QObject::connect(
        host.claimMenuEntry(MenuEntry::VideoDriver), &QAction::triggered, owner,
        [&host, &state, &platform, owner] { offerVideoSoftware(host, state, platform, owner); });
    auto *panel = new SoundPanel(host, state, platform, *sounds);
    QObject::connect(host.claimMenuEntry(MenuEntry::SoundEffects), &QAction::triggered, panel,
                     &SoundPanel::showPanel);
}

} // namespace gallerion
