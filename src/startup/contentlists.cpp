#include "startup/contentlists.h"

#include "catalogue/photolist.h"
#include "platform/platform.h"
#include "startup/errorreporter.h"
#include "startup/programstate.h"
#include "platform/filesystem.h"

namespace gallerion {

void loadPhotoList(ProgramState &state, Platform &platform)
{
    const PhotoListData list = BuildPhotoList(platform.files(), state.PhotoRoot);
    state.entries().setPhotoList(list);
    // The code is stored only on failure, so that a missing start-up sound
    // stays visible as ER055 after a good build.
    if (list.failed)
        ReportError(state, platform, QStringLiteral("ER037"));
}

void loadMovieList(ProgramState &state, Platform &platform)
{
    const MovieListData list = BuildMovieList(platform.files(), state.DiscRoot);
    state.MovieList = list.names;
    state.MovieCount = list.count;
    if (list.failed)
        ReportError(state, platform, QStringLiteral("ER055"));
}

} // namespace gallerion
