#include "library/libraryremoval.h"

#include "library/librarymessages.h"
#include "platform/platform.h"
#include "startup/contentlists.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "platform/messagebox.h"
#include "platform/screen.h"
#include "platform/filesystem.h"

#include <QWidget>

#include <optional>

namespace gallerion {

namespace {

const QString Title = QStringLiteral("The Zarvick Gallerion");

int ask(Platform &platform, const QString &text, MessageButtons buttons)
{
    MessageRequest request;
    request.text = text;
    request.title = Title;
    request.icon = buttons == MessageButtons::YesNo ? MessageIcon::Question : MessageIcon::None;
    request.buttons = buttons;
    return platform.messages().ask(request);
}

// Deletes the folder's files of the pattern, then the folder. Every step runs
// even after one fails; true when nothing of the folder is left.
bool removeCopies(const FileSystem &files, const QString &folder, const QString &pattern)
{
    bool removed = true;
    const QStringList names = files.list(folder + pattern);
    for (const QString &name : names)
        removed = files.removeFile(folder + name) && removed;
    if (files.exists(folder))
        removed = files.removeDirectory(folder) && removed;
    return removed;
}

// Asks, removes with the hourglass showing, and tells whether it worked;
// nothing when the user says no.
std::optional<bool> askAndRemove(ProgramState &state, Platform &platform, CopyContent content)
{
    if (ask(platform, removeQuestion(content), MessageButtons::YesNo) != AnswerYes)
        return std::nullopt;
    const bool photos = content == CopyContent::Photos;
    const QString folder =
        state.ProgramDir + (photos ? QStringLiteral("\\zarvicks\\") : QStringLiteral("\\movies\\"));
    platform.screen().setBusy(true);
    const bool removed = removeCopies(platform.files(), folder,
                                      photos ? QStringLiteral("*.jpg") : QStringLiteral("*.avi"));
    platform.screen().setBusy(false);
    state.ErrorText = removed ? removedText(content)
                              : removeFailedText(content, platform.files().nativePath(folder));
    ask(platform, state.ErrorText, MessageButtons::Ok);
    return removed;
}

} // namespace

void removePhotos(MainWindowHost &host, ProgramState &state, Platform &platform)
{
    const std::optional<bool> removed = askAndRemove(state, platform, CopyContent::Photos);
    if (!removed)
        return;
    state.PhotoRoot = state.DiscRoot;
    if (*removed) {
        host.mainWindow()->close();
        return;
    }
    // Some copies are gone: the program goes on with the disc's photos.
    loadPhotoList(state, platform);
}

void removeMovies(ProgramState &state, Platform &platform)
{
    askAndRemove(state, platform, CopyContent::Movies);
}

} // namespace gallerion
