#pragma once

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;

// mnuRemove: removes the copied photos; once they are all gone the program
// ends, so that the next start reads the photos from the disc.
void removePhotos(MainWindowHost &host, ProgramState &state, Platform &platform);
// mnuRemoveMovies: removes the copied movies; the program goes on.
void removeMovies(ProgramState &state, Platform &platform);

} // namespace gallerion
