#pragma once

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;

// The File menu's slide show: opens the slide-show window over the main window,
// paused on the main window's photo, and returns once it is closed.
void installSlideShow(MainWindowHost &host, ProgramState &state, Platform &platform);

} // namespace gallerion
