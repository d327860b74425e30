#pragma once

#include <QString>

namespace gallerion {

// Where this user's X screen saver keeps its settings and how it is set up.
struct XScreenSaverSystem
{
    QString configPath;      // ~/.xscreensaver
    QString appDefaultsPath; // the system's default settings
    QString settingsTool;    // xscreensaver-settings, or the older xscreensaver-demo
    // Its settings file exists or the program is installed.
    bool inUse = false;
};

XScreenSaverSystem findXScreenSaver();

} // namespace gallerion
