#include "documents/documentmenus.h"

#include "documents/documenttable.h"
#include "documents/documentviewer.h"
#include "startup/programstate.h"

#include <QAction>
#include <QWidget>

namespace gallerion {

void installDocumentMenus(QWidget *mainWindow, ProgramState &state, Platform &platform,
                          const MenuEntryLookup &findEntry)
{
    for (const DocumentRow &row : DocumentTable()) {
        const QString name = row.menuName;
        QAction *action = findEntry ? findEntry(name) : mainWindow->findChild<QAction *>(name);
        if (!action)
            continue;
        QObject::connect(action, &QAction::triggered, mainWindow, [&state, &platform, &row] {
            OpenDocument({state.DiscRoot + row.path, QString(row.title), QString(row.errorCode),
                          row.bringToFront},
                         state, platform);
        });
    }
}

} // namespace gallerion
