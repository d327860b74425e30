#include "media/codecoffer.h"

#include "media/filmcheck.h"
#include "media/filmtable.h"
#include "platform/platform.h"
#include "startup/errorreporter.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "platform/messagebox.h"
#include "platform/processes.h"
#include "platform/screen.h"
#include "platform/filesystem.h"

#include <QWidget>

namespace gallerion {

namespace {

const QString Title = QStringLiteral("The Zarvick Gallerion");

bool askToInstall(Platform &platform)
{
    MessageRequest question;
    question.title = Title;
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.text =
        QStringLiteral("If you are experiencing difficulties running the Zarvick movies,\r\n"
                       "you may need to install the Intel Indeo Video Software.\r\n\r\n"
                       "Would you like to install this software now?");
    return platform.messages().ask(question) == AnswerYes;
}

#ifdef Q_OS_WIN
bool installVideoSoftware(ProgramState &state, Platform &platform, QWidget *)
{
    const QString installer =
        platform.files().nativePath(state.DiscRoot + QStringLiteral("\\IndeoVideo\\iv5play.exe"));
    if (installer.isEmpty() || !platform.processes().runAndWait(installer)) {
        ReportError(state, platform, QStringLiteral("ER003"));
        return false;
    }
    return true;
}
#else
// The installer is a Windows program; here the system's GStreamer decoders play
// the films, so the user learns which films play and what to install if not.
bool installVideoSoftware(ProgramState &state, Platform &platform, QWidget *owner)
{
    platform.screen().setBusy(true);
    const QString movieDir = chooseMovieDir(platform.files(), state.ProgramDir, state.DiscRoot);
    const QList<FilmCheck> results = checkFilms(platform.files(), movieDir, owner);
    platform.screen().setBusy(false);
    MessageRequest report;
    report.title = Title;
    report.icon = allFilmsPlay(results) ? MessageIcon::Information : MessageIcon::Exclamation;
    report.text = filmCheckReport(results);
    platform.messages().ask(report);
    return false;
}
#endif

} // namespace

bool offerVideoSoftware(MainWindowHost &host, ProgramState &state, Platform &platform,
                        QWidget *owner)
{
    if (!askToInstall(platform))
        return false;
    // From the movie window the main window is disabled already and stays so.
    const bool wasEnabled = host.mainWindow()->isEnabled();
    host.setMainWindowEnabled(false);
    const bool installed = installVideoSoftware(state, platform, owner);
    host.setMainWindowEnabled(wasEnabled);
    return installed;
}

} // namespace gallerion
