#pragma once

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;

// Connects every document entry of the main window's menus to opening its
// document. The entries that are never available keep their switched-off state.
void installDocumentMenus(MainWindowHost &host, ProgramState &state, Platform &platform);

} // namespace gallerion
