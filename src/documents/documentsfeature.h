#pragma once

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;

// The document menus and printing (the booklet panel, the photo, the printer
// set-up), plugged into the main window.
void installDocuments(MainWindowHost &host, ProgramState &state, Platform &platform);

} // namespace gallerion
