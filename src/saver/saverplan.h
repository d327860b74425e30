#pragma once

#include <QStringList>

namespace gallerion {

class FileSystem;
class SettingsStore;

// What the screen saver will show: the photos in order and the time each
// stays, or, when there is nothing to show, the one line that says why.
struct SaverPlan
{
    QStringList photos; // native paths
    int intervalMs = 0;
    QString why;
};

// From the settings the viewer's installation wrote. The photo folder may be
// a native folder or one of the program's drive paths ("E:\zarvicks\").
SaverPlan planScreenSaver(const SettingsStore &settings, const FileSystem &files);

} // namespace gallerion
