#pragma once

namespace gallerion {

class Platform;
class ProgramState;

// Rebuilds PhotoList from PhotoRoot. A failure is reported as ER037; after
// Retry the list as far as it was built is kept, after Cancel the program ends.
void loadPhotoList(ProgramState &state, Platform &platform);

// Rebuilds MovieList from the disc's movie folder; failures report ER055.
void loadMovieList(ProgramState &state, Platform &platform);

} // namespace gallerion
