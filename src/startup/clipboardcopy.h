#pragma once

class QWidget;

namespace gallerion {

class Platform;
class ProgramState;

// After a right-button press on a picture (LastMouseButton "2"), asks whether
// to copy it and copies what the pressed control shows: a photo box or
// picture its picture, a text box its selected text, any other control its text.
void CopySelectionToClipboard(ProgramState &state, Platform &platform, QWidget *pressed);

} // namespace gallerion
