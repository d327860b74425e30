#pragma once

namespace gallerion {

class LibraryCopy;
class MainWindowHost;
class Platform;
class ProgramState;

// The File menu's copy and remove entries and the progress panel, plugged into
// the main window. The copy is returned so that others can start it and learn
// when it ends.
LibraryCopy *installLibrary(MainWindowHost &host, ProgramState &state, Platform &platform);

} // namespace gallerion
