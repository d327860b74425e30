#include "library/screensaverinstall.h"

#include "catalogue/contentpaths.h"
#include "catalogue/delaycycle.h"
#include "documents/documentviewer.h"
#include "library/librarycopy.h"
#include "library/screensavermessages.h"
#include "library/screensaverpanel.h"
#include "widgets/designstage.h"
#include "platform/platform.h"
#include "widgets/spinbutton.h"
#include "platform/xscreensaverconfig.h"
#include "platform/xscreensaversystem.h"
#include "startup/errorreporter.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "startup/screensaversettings.h"
#include "platform/helpservice.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "platform/filesystem.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace gallerion {

namespace {
const QString Title = QStringLiteral("The Zarvick Gallerion");
const QString ProgramName = QStringLiteral("Zarvick2001.scr");
const QString Jpegs = QStringLiteral("*.jpg");

constexpr QFile::Permissions Executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                          QFile::ExeOther;
} // namespace

ScreenSaverInstall::ScreenSaverInstall(MainWindowHost &host, ProgramState &state,
                                       Platform &platform, LibraryCopy &copy)
    : QObject(host.stage()), m_host(host), m_state(state), m_platform(platform), m_copy(copy),
      m_panel(new ScreenSaverPanel(host.stage()))
{
    connect(m_panel->SpinInterval, &SpinButton::spinUp, this, [this] { spin(true); });
    connect(m_panel->SpinInterval, &SpinButton::spinDown, this, [this] { spin(false); });
    connect(m_panel->SSCommand4, &QPushButton::clicked, this, &ScreenSaverInstall::install);
    connect(m_panel->SSCommand5, &QPushButton::clicked, this, &ScreenSaverInstall::help);
    connect(m_panel->SSCommand6, &QPushButton::clicked, m_panel, &QWidget::hide);
    connect(&copy, &LibraryCopy::copyEnded, this, &ScreenSaverInstall::copyEnded);
    // F1 opens the program's help; it closes with the panel.
    platform.help().attach(m_panel);
}

QString ScreenSaverInstall::folder(QLatin1String dir) const
{
    return m_state.ProgramDir + dir;
}

void ScreenSaverInstall::showPanel()
{
    m_panel->placeOver(m_host.photoBox());
    const bool listed =
        !m_platform.files().list(folder(ContentDir::ScreenSaverPhotos) + Jpegs).isEmpty();
    m_panel->selectedPhotos()->setEnabled(listed);
    if (!listed)
        m_panel->allPhotos()->setChecked(true);
    m_panel->SSCommand4->setEnabled(true);
    m_panel->show();
    m_panel->raise();
    m_panel->SSCommand6->setFocus();
    m_panel->SSCommand6->setText(QStringLiteral("Cancel"));
    m_state.SlideInterval = ShortestSlideDelay;
}

void ScreenSaverInstall::spin(bool up)
{
    m_state.SlideInterval = stepSlideDelay(m_state.SlideInterval, up);
    m_panel->panInterval->setText(intervalCaption(m_state.SlideInterval));
}

void ScreenSaverInstall::install()
{
    if (m_waitingForCopy)
        return;
    if (m_panel->selectedPhotos()->isChecked()) {
        finish(folder(ContentDir::ScreenSaverPhotos));
        return;
    }
    const QString copies = folder(ContentDir::Photos);
    if (!m_platform.files().list(copies + Jpegs).isEmpty()) {
        finish(copies);
        return;
    }
    const int answer = m_platform.messages().ask(
        {copyPhotosFirstQuestion(), Title, MessageIcon::Question, MessageButtons::YesNo});
    if (answer != AnswerYes || !m_copy.prepare(CopyContent::Photos)) {
        finish(m_state.DiscRoot + ContentDir::Photos);
        return;
    }
    m_waitingForCopy = true;
    m_panel->SSCommand4->setEnabled(false);
    m_copy.copy();
}

// Photos that did not all arrive are still read from the disc.
void ScreenSaverInstall::copyEnded(CopyContent content, bool allCopied)
{
    if (!m_waitingForCopy || content != CopyContent::Photos)
        return;
    m_waitingForCopy = false;
    m_panel->SSCommand4->setEnabled(true);
    finish(allCopied ? folder(ContentDir::Photos) : m_state.DiscRoot + ContentDir::Photos);
}

// The settings go first and stay written whatever fails after them.
void ScreenSaverInstall::finish(const QString &photoDir)
{
    m_state.ErrorCode = QStringLiteral("ER049");
    const QString native = m_platform.files().nativePath(photoDir);
    writeScreenSaverSettings(
        m_platform.settings(),
        {m_state.SlideInterval / 1000,
         native.isEmpty()
             ? photoDir
             : QDir::toNativeSeparators(QDir(native).absolutePath() + QLatin1Char('/'))});
    QString installed;
    if (!installProgram(installed) || !registerProgram(installed)) {
        ReportError(m_state, m_platform);
        return;
    }
    m_platform.messages().ask({installedText(findXScreenSaver(), installed), Title,
                               MessageIcon::None, MessageButtons::Ok});
    m_panel->SSCommand6->setText(QStringLiteral("Exit"));
}

// The user's data folder stands in for the system folder screen savers live in.
bool ScreenSaverInstall::installProgram(QString &installed)
{
    const FileSystem &files = m_platform.files();
    const QString source = m_state.ProgramDir + QLatin1Char('\\') + ProgramName;
    installed = files.userDataDir() + QLatin1Char('/') + ProgramName;
    return files.exists(source) && QDir().mkpath(files.userDataDir()) &&
           files.copyFile(source, installed) && QFile::setPermissions(installed, Executable);
}

bool ScreenSaverInstall::registerProgram(const QString &installed)
{
    const XScreenSaverSystem system = findXScreenSaver();
    if (!system.inUse)
        return true;
    QString error;
    const bool registered = registerWithXScreenSaver(
        system.configPath, system.appDefaultsPath,
        {QStringLiteral("Zarvick Gallerion"), installed, QStringLiteral("--root")}, &error);
    if (!registered)
        qWarning("%s: %s", qPrintable(system.configPath), qPrintable(error));
    return registered;
}

void ScreenSaverInstall::help()
{
    openDocument({m_state.DiscRoot + ContentDir::RichText + QStringLiteral("sshelp.rtf"),
                  QStringLiteral("The Zarvick Gallerion       Install Screen Saver Help"),
                  QStringLiteral("ER052")},
                 m_state, m_platform, m_host.mainWindow());
}

} // namespace gallerion
