#include "documents/documentsfeature.h"

#include "catalogue/entrymodel.h"
#include "documents/bookletprinting.h"
#include "documents/documentmenus.h"
#include "documents/photoprint.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "startup/mainwindowhost.h"

#include <QAction>

namespace gallerion {

namespace {

void installPrinting(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    auto *booklet = new BookletPrinting(host, state, platform);
    QObject::connect(host.claimMenuEntry(MenuEntry::PrintBooklet), &QAction::triggered, booklet,
                     &BookletPrinting::open);
    QObject::connect(host.claimMenuEntry(MenuEntry::PrintPhoto), &QAction::triggered, booklet,
                     [&host, &state, &platform] {
                         printPhoto(host.entries().photoPath(), host.entries().caption(), state,
                                    platform);
                     });
    QObject::connect(host.claimMenuEntry(MenuEntry::PrintSetup), &QAction::triggered, booklet,
                     [&host, &platform] { platform.printer().showSetupDialog(host.mainWindow()); });
}

} // namespace

void installDocuments(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    installDocumentMenus(host, state, platform);
    installPrinting(host, state, platform);
}

} // namespace gallerion
