#pragma once

#include <QStringList>

#include <optional>

namespace gallerion {

// How the screen-saver program shows itself.
enum class SaverMode
{
    // Its own window over the whole screen; a key or the mouse ends it.
    FullScreen,
    // A normal window, for a preview.
    InWindow,
    // Inside a window another program gives it (the X screen saver's); that
    // program decides when it ends.
    Embedded
};

struct SaverOptions
{
    SaverMode mode = SaverMode::FullScreen;
    quint64 windowId = 0; // for Embedded
};

// The command line without the program's name: nothing, "--window",
// "-window-id ID" (decimal or 0x hexadecimal) or "-root", which draws into
// the window named by xscreensaverWindow when it is set ("XSCREENSAVER_WINDOW")
// and otherwise runs full screen. Both one and two leading dashes are taken;
// given together, "-window-id" goes before "-root" (the X screen saver's
// settings add it to the command line for their preview), and both before
// "--window". Nothing for anything else.
std::optional<SaverOptions> parseSaverOptions(const QStringList &arguments,
                                              const QString &xscreensaverWindow);

// What the program prints when it does not understand its command line.
QString saverUsage();

} // namespace gallerion
