#include "utilities/taskbartoggle.h"

#include "platform/taskbar.h"

#include <QAction>

namespace gallerion {

void toggleTaskbar(QAction &entry, Taskbar &taskbar, QWidget &mainWindow)
{
    // The caption changes after the window, so that the resize this causes
    // does not count as the user's.
    if (entry.text() == QLatin1String("HideStatusBar")) {
        taskbar.hide(mainWindow);
        entry.setText(QStringLiteral("ShowStatusBar"));
    } else {
        entry.setText(QStringLiteral("HideStatusBar"));
        taskbar.show(mainWindow);
    }
}

} // namespace gallerion
