#pragma once

#include "platform/messagebox.h"

#include <QSize>

namespace gallerion {

class Platform;
class ProgramState;

// The display check's message for a screen of this size in twips.
MessageRequest resolutionMessage(const QSize &screenTwips);

// Shows the display check for the screen the program runs on; the text is
// built in ErrorText.
void checkResolution(ProgramState &state, Platform &platform);

} // namespace gallerion
