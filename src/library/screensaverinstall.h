#pragma once

#include "library/librarymessages.h"

#include <QObject>

namespace gallerion {

class LibraryCopy;
class MainWindowHost;
class Platform;
class ProgramState;
class ScreenSaverPanel;

// The File menu's screen-saver installation on pnlSSaver: the photos to show
// and the delay, the settings the screen-saver program reads, the program
// copied into the user's data folder and, where the X screen saver is used,
// an entry in its list of programs.
class ScreenSaverInstall : public QObject
{
    Q_OBJECT
public:
    ScreenSaverInstall(MainWindowHost &host, ProgramState &state, Platform &platform,
                       LibraryCopy &copy);

    // mnuSaver.
    void showPanel();

private:
    QString folder(QLatin1String dir) const;
    void spin(bool up);
    void install();
    void copyEnded(CopyContent content, bool allCopied);
    void finish(const QString &photoDir);
    bool installProgram(QString &installed);
    bool registerProgram(const QString &installed);
    void help();

    MainWindowHost &m_host;
    ProgramState &m_state;
    Platform &m_platform;
    LibraryCopy &m_copy;
    ScreenSaverPanel *m_panel;
    // Set while the installation waits for the photos to be copied.
    bool m_waitingForCopy = false;
};

} // namespace gallerion
