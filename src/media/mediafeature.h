#pragma once

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;

// Movies, Sound Effects and Install Video Driver of the main window's menus.
void installMedia(MainWindowHost &host, ProgramState &state, Platform &platform);

} // namespace gallerion
