#include "documents/documentsfeature.h"

#include "documents/documentmenus.h"
#include "documents/printpanel.h"
#include "startup/mainwindowhost.h"

namespace gallerion {

void installDocuments(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    installDocumentMenus(host, state, platform);
    new PrintPanel(host.stage());
}

} // namespace gallerion
