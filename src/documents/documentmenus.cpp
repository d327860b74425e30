#include "documents/documentmenus.h"

#include "documents/documenttable.h"
#include "documents/documentviewer.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"

#include <QAction>
#include <QWidget>

namespace gallerion {

void installDocumentMenus(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    QWidget *owner = host.mainWindow();
    for (const DocumentRow &row : documentTable()) {
        QAction *action = host.claimMenuEntry(row.menu);
        QObject::connect(action, &QAction::triggered, owner, [&state, &platform, &row, owner] {
            openDocument({state.DiscRoot + row.path, QString(row.title), QString(row.errorCode),
                          row.bringToFront},
                         state, platform, owner);
        });
    }
}

} // namespace gallerion
