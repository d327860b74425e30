#include "platform/xscreensaversystem.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace gallerion {

XScreenSaverSystem findXScreenSaver()
{
    XScreenSaverSystem system;
    system.configPath = QDir::homePath() + QStringLiteral("/.xscreensaver");
    system.appDefaultsPath = QStringLiteral("/etc/X11/app-defaults/XScreenSaver");
    system.settingsTool = QStandardPaths::findExecutable(QStringLiteral("xscreensaver-settings"));
    if (system.settingsTool.isEmpty())
        system.settingsTool = QStandardPaths::findExecutable(QStringLiteral("xscreensaver-demo"));
    system.inUse = QFileInfo::exists(system.configPath) ||
                   !QStandardPaths::findExecutable(QStringLiteral("xscreensaver")).isEmpty();
    return system;
}

} // namespace gallerion
