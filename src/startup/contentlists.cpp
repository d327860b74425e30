#include "startup/contentlists.h"

#include "catalogue/photolist.h"
#include "platform/platform.h"
#include "startup/errorreporter.h"
#include "startup/programstate.h"

namespace gallerion {

namespace {
void report(ProgramState &state, Platform &platform, const QString &code)
{
    state.ErrorCode = code;
    ReportError(state, platform);
}
} // namespace

void LoadPhotoList(ProgramState &state, Platform &platform)
{
    const PhotoListData list = BuildPhotoList(platform.files(), state.PhotoRoot);
    state.PhotoList = list.paths;
    state.PhotoNumbers = list.numbers;
    state.PhotoCount = list.count;
    // The code is stored only on failure, so that a missing start-up sound
    // stays visible as ER055 after a good build.
    if (list.failed)
        report(state, platform, QStringLiteral("ER037"));
}

void LoadMovieList(ProgramState &state, Platform &platform)
{
    const MovieListData list = BuildMovieList(platform.files(), state.DiscRoot);
    state.MovieList = list.names;
    state.MovieCount = list.count;
    if (list.failed)
        report(state, platform, QStringLiteral("ER055"));
}

} // namespace gallerion
