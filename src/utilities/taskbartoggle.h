#pragma once

class QAction;
class QWidget;

namespace gallerion {

class Taskbar;

// The menu entry "HideStatusBar" hides the task bar and offers to show it
// again as "ShowStatusBar"; "ShowStatusBar" does the reverse.
void toggleTaskbar(QAction &entry, Taskbar &taskbar, QWidget &mainWindow);

} // namespace gallerion
