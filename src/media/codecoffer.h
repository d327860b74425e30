#pragma once

class QWidget;

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;

// The offer of the disc's video codec installer. Yes runs the installer where
// it can run (Windows) and waits for it; elsewhere the films are decoded by the
// system's own decoders, so Yes checks instead which films this system can play
// and says so. Returns true when the installer ran, so that a movie window
// opens its device afresh.
bool offerVideoSoftware(MainWindowHost &host, ProgramState &state, Platform &platform,
                        QWidget *owner);

} // namespace gallerion
