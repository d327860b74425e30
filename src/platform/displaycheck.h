#pragma once

#include <QByteArray>
#include <QString>

namespace gallerion {

// What the windowing system plugin would be given to reach a display.
struct DisplayEnvironment
{
    QByteArray platform;       // QT_QPA_PLATFORM
    QByteArray x11Display;     // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    static DisplayEnvironment fromProcess();
};

// Qt ends the process when its plugin finds no display; this says beforehand that there is
// none, so the program can say so and end on its own. Empty when a display may be reached.
QString missingDisplayReason(const DisplayEnvironment &environment);

} // namespace gallerion
