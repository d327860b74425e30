#include "utilities/utilitiesfeature.h"

#include "platform/platform.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "utilities/aboutbox.h"
#include "utilities/aboutplacement.h"
#include "utilities/makerinfo.h"
#include "utilities/resolutioncheck.h"
#include "utilities/systeminfo.h"
#include "utilities/taskbartoggle.h"
#include "platform/helpservice.h"
#include "platform/webbrowser.h"
#include "platform/taskbar.h"
#include "platform/screen.h"

#include <QAction>
#include <QPointer>
#include <QScreen>

#include <functional>

namespace gallerion {

namespace {

void showAbout(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    QWidget *owner = host.mainWindow();
    // QPointer notices if the program ends and takes the owner, and the box, with it.
    QPointer<AboutBox> box = new AboutBox(platform.screen().designScale(), owner);
    const QScreen *screen = owner->screen();
    box->move(
        aboutBoxPosition(owner->frameGeometry().size(), box->size(),
                         screen ? screen->availableGeometry() : QRect(QPoint(), owner->size())));
    QObject::connect(&state, &ProgramState::endRequested, box.data(), &QDialog::reject);
    box->exec();
    delete box.data();
}

void connectEntry(MainWindowHost &host, MenuEntry entry, std::function<void()> action)
{
    QObject::connect(host.claimMenuEntry(entry), &QAction::triggered, host.mainWindow(),
                     std::move(action));
}

} // namespace

void installUtilities(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    QWidget *owner = host.mainWindow();
    platform.help().attach(owner);
    connectEntry(host, MenuEntry::CheckResolution,
                 [&state, &platform] { checkResolution(state, platform); });
    QAction *taskbar = host.claimMenuEntry(MenuEntry::HideStatusBar);
    QObject::connect(taskbar, &QAction::triggered, owner, [taskbar, &platform, owner] {
        toggleTaskbar(*taskbar, platform.taskbar(), *owner);
    });
    connectEntry(host, MenuEntry::Contents,
                 [&platform, owner] { platform.help().showContents(owner); });
    // A page that cannot be opened is not reported.
    connectEntry(host, MenuEntry::Website,
                 [&platform] { platform.browser().open(makerPage(QStringLiteral("/"))); });
    connectEntry(host, MenuEntry::RegisterOnline, [&platform] {
        platform.browser().open(makerPage(QStringLiteral("/register.htm")));
    });
    connectEntry(host, MenuEntry::SystemInfo, [&platform] { runSystemInfo(platform); });
    connectEntry(host, MenuEntry::About,
                 [&host, &state, &platform] { showAbout(host, state, platform); });
}

} // namespace gallerion
