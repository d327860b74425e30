#pragma once

namespace gallerion {

class LibraryCopy;
class MainWindowHost;
class Platform;
class ProgramState;

// The screen saver's photo list (the right button on the photo) and its
// installation (the File menu), which may copy the photos first.
void installScreenSaver(MainWindowHost &host, ProgramState &state, Platform &platform,
                        LibraryCopy &copy);

} // namespace gallerion
