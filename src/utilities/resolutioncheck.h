#pragma once

#include "platform/messagebox.h"

#include <QSize>

namespace gallerion {

class Platform;
class ProgramState;

// Where this desktop lets the user change the screen resolution, from the desktop names of
// XDG_CURRENT_DESKTOP ("ubuntu:GNOME"); a general description for one not known.
QString displaySettingsName(const QByteArray &currentDesktop);

// The display check's message for a screen of this size in twips. The windows scale to any
// larger screen, so only a smaller one needs the user to act, in these display settings.
MessageRequest resolutionMessage(const QSize &screenTwips, const QString &displaySettings);

// Shows the display check for the screen the program runs on; the text is
// built in ErrorText.
void checkResolution(ProgramState &state, Platform &platform);

} // namespace gallerion
