#pragma once

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;

// The display check, the task-bar toggle, help, the maker's web pages, system
// information and the about box of the main window's menus.
void installUtilities(MainWindowHost &host, ProgramState &state, Platform &platform);

} // namespace gallerion
