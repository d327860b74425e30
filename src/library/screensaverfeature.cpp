#include "library/screensaverfeature.h"

#include "library/screensaverinstall.h"
#include "library/screensaverphotolist.h"
#include "startup/mainwindowhost.h"

#include <QAction>

namespace gallerion {

void installScreenSaver(MainWindowHost &host, ProgramState &state, Platform &platform,
                        LibraryCopy &copy)
{
    auto *install = new ScreenSaverInstall(host, state, platform, copy);
    QObject::connect(host.claimMenuEntry(MenuEntry::ScreenSaver), &QAction::triggered, install,
                     &ScreenSaverInstall::showPanel);
    host.onScreenSaverListRequested(
        [&host, &state, &platform] { openScreenSaverList(host, state, platform); });
}

} // namespace gallerion
