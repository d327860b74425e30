#include "media/codecoffer.h"

#include "media/filmcheck.h"
#include "media/filmtable.h"
#include "platform/filesystem.h"
#include "platform/media/videodecoders.h"
#include "platform/messagebox.h"
#include "platform/platform.h"
#include "platform/processes.h"
#include "platform/screen.h"
#include "startup/errorreporter.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"

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
bool runInstaller(ProgramState &state, Platform &platform)
{
    const QString installer =
        platform.files().nativePath(state.DiscRoot + QStringLiteral("\\IndeoVideo\\iv5play.exe"));
    if (installer.isEmpty() || !platform.processes().runAndWait(installer)) {
        ReportError(state, platform, QStringLiteral("ER003"));
        return false;
    }
    return true;
}

bool installVideoSoftware(MainWindowHost &host, ProgramState &state, Platform &platform, QWidget *)
{
    const bool wasEnabled = host.mainWindow()->isEnabled();
    host.setMainWindowEnabled(false);
    const bool ran = runInstaller(state, platform);
    host.setMainWindowEnabled(wasEnabled);
    return ran;
}
#else
void reportFilms(Platform &platform, const QList<FilmCheck> &results)
{
    MessageRequest report;
    report.title = Title;
    report.icon = allFilmsPlay(results) ? MessageIcon::Information : MessageIcon::Exclamation;
    report.text = filmCheckReport(results, libavDecodersInstalled());
    platform.messages().ask(report);
}

// The installer is a Windows program; here the system's GStreamer decoders play
// the films, so the user learns which films play and what to install if not. The
// check goes on while the window stays responsive; its report ends it.
bool installVideoSoftware(MainWindowHost &host, ProgramState &state, Platform &platform,
                          QWidget *owner)
{
    // From the movie window the main window is disabled already and stays so.
    const bool wasEnabled = host.mainWindow()->isEnabled();
    host.setMainWindowEnabled(false);
    platform.screen().setBusy(true);
    const QString movieDir = chooseMovieDir(platform.files(), state.ProgramDir, state.DiscRoot);
    auto *check = new FilmCheckRun(platform.files(), movieDir, owner);
    QObject::connect(check, &FilmCheckRun::finished, check,
                     [&host, &platform, check, wasEnabled](const QList<FilmCheck> &results) {
                         platform.screen().setBusy(false);
                         reportFilms(platform, results);
                         host.setMainWindowEnabled(wasEnabled);
                         check->deleteLater();
                     });
    check->start();
    return false;
}
#endif

} // namespace

bool offerVideoSoftware(MainWindowHost &host, ProgramState &state, Platform &platform,
                        QWidget *owner)
{
    return askToInstall(platform) && installVideoSoftware(host, state, platform, owner);
}

} // namespace gallerion
