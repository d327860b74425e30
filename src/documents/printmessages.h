#pragma once

#include "platform/messagebox.h"

#include <QString>

namespace gallerion {

class Platform;
class ProgramState;

// The boxes around printing. Each keeps its text in ErrorText and the answer
// in ErrorAnswer, and returns the answer.
int askBeforePrinting(ProgramState &state, Platform &platform, const QString &text,
                      const QString &title, MessageButtons buttons);
// The exclamation box titled "The Zarvick Gallerion" that follows a finished job.
int tellPrinted(ProgramState &state, Platform &platform, const QString &text);

} // namespace gallerion
