#pragma once

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;

// The document menus and the booklet panel, plugged into the main window.
void installDocuments(MainWindowHost &host, ProgramState &state, Platform &platform);

} // namespace gallerion
