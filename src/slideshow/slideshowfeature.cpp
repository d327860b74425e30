#include "slideshow/slideshowfeature.h"

#include "catalogue/entries.h"
#include "catalogue/entrymodel.h"
#include "widgets/designstage.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "slideshow/slidelayout.h"
#include "slideshow/slideshow.h"
#include "slideshow/slideshowwindow.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "startup/screensaverlistclose.h"
#include "platform/helpservice.h"
#include "platform/screen.h"

#include <QAction>
#include <QPointer>

namespace gallerion {

namespace {

bool isDisplay640x480(Platform &platform)
{
    return platform.screen().twips() == QSize(pixelsToTwips(640), pixelsToTwips(480));
}

SlideLayout slideLayout(Platform &platform)
{
    SlideLayout layout = SlideLayout::designed();
    if (isDisplay640x480(platform))
        layout.compact(platform.screen().twips().width());
    return layout;
}

// The show covers the main window: its layout is drawn at the scale that fits
// it into the main window's client area, which is the program's scale for the
// designed layout.
double slideScale(const SlideLayout &layout, MainWindowHost &host, Platform &platform)
{
    if (!platform.screen().scalingEnabled())
        return 1.0;
    const QSize design(twipsToPixels(layout.client.width()), twipsToPixels(layout.client.height()));
    return fitScale(design, host.mainWindow()->size());
}

void openSlideShow(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    closeScreenSaverList();
    state.SlideNoConfirm = true;
    const SlideLayout layout = slideLayout(platform);
    QWidget *owner = host.mainWindow();
    // QPointer notices if the program ends and takes the owner, and the window, with it.
    QPointer<SlideShowWindow> window =
        new SlideShowWindow(layout, slideScale(layout, host, platform), owner);
    auto *show = new SlideShow(*window, host, state, platform);
    // F1 opens the help over the show, and the help closes with it.
    platform.help().attach(window);
    show->prime();
    window->move(owner->pos());
    window->raise();

    EntryModel &entries = host.entries();
    show->start(entries.shownIndex());
    if (!isNumericCode(entries.code()))
        entries.setCode(QStringLiteral("67"));

    QObject::connect(&state, &ProgramState::endRequested, window.data(),
                     &SlideShowWindow::closeNow);
    window->exec();
    delete window.data();
    if (state.isEnding())
        return;
    state.RestorePending = true;
    host.setMainWindowEnabled(true);
    host.focusNextYear();
}

} // namespace

void installSlideShow(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    QObject::connect(host.claimMenuEntry(MenuEntry::SlideShow), &QAction::triggered,
                     host.mainWindow(),
                     [&host, &state, &platform] { openSlideShow(host, state, platform); });
}

} // namespace gallerion
