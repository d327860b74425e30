#pragma once

#include <QString>

namespace gallerion {

class Platform;
class ProgramState;

// Shows the coded message of ErrorCode. For the Retry/Cancel codes Cancel ends
// the program (check ProgramState::isEnding after the call); for the others the
// program returns to the main window (ProgramState::returnToMainWindow).
void ReportError(ProgramState &state, Platform &platform);

// Stores the code in ErrorCode first.
void ReportError(ProgramState &state, Platform &platform, const QString &code);

} // namespace gallerion
