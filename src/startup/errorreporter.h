#pragma once

namespace gallerion {

class Platform;
class ProgramState;

// Shows the coded message of ErrorCode. For the Retry/Cancel codes Cancel ends
// the program (check ProgramState::isEnding after the call); for the others the
// main window is made usable again and the focus moves to the next year button.
void ReportError(ProgramState &state, Platform &platform);

} // namespace gallerion
