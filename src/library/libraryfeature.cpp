#include "library/libraryfeature.h"

#include "library/librarycopy.h"
#include "library/libraryremoval.h"
#include "startup/mainwindowhost.h"

#include <QAction>

namespace gallerion {

LibraryCopy *installLibrary(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    auto *copy = new LibraryCopy(host, state, platform);
    QObject::connect(host.claimMenuEntry(MenuEntry::CopyPhotos), &QAction::triggered, copy,
                     [copy] { copy->prepare(CopyContent::Photos); });
    QObject::connect(host.claimMenuEntry(MenuEntry::CopyMovies), &QAction::triggered, copy,
                     [copy] { copy->prepare(CopyContent::Movies); });
    QObject::connect(host.claimMenuEntry(MenuEntry::RemovePhotos), &QAction::triggered, copy,
                     [&host, &state, &platform] { removePhotos(host, state, platform); });
    QObject::connect(host.claimMenuEntry(MenuEntry::RemoveMovies), &QAction::triggered, copy,
                     [&state, &platform] { removeMovies(state, platform); });
    return copy;
}

} // namespace gallerion
