#pragma once

#include "platform/messagebox.h"

#include <QObject>
#include <QPointer>

namespace gallerion {

class CopyJob;
class MainWindowHost;
class Platform;
class ProgramState;
class ScreenSaverListWindow;

// The screen saver's play list behind frmSSPhoto: the folder "\sszarvicks\"
// of the program directory holds a copy of every photo in it. The window
// follows the main window's photo, and Add and Remove follow whether that
// photo is in the list.
class ScreenSaverPhotoList : public QObject
{
    Q_OBJECT
public:
    ScreenSaverPhotoList(ScreenSaverListWindow &window, MainWindowHost &host, ProgramState &state,
                         Platform &platform);
    // A copy still running is dropped with the window, and the hourglass with it.
    ~ScreenSaverPhotoList() override;

private:
    QString folder() const;
    // The photo on view's file name; empty while no photo is on view.
    QString photoName() const;
    QString listed(const QString &name) const;
    void refresh();
    void showButtons();
    void add();
    void addEnded(int failures);
    void remove();
    void removeAll();
    void copyToClipboard();
    void help();
    int tell(const QString &text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);

    ScreenSaverListWindow &m_window;
    MainWindowHost &m_host;
    ProgramState &m_state;
    Platform &m_platform;
    QPointer<CopyJob> m_job;
    QString m_failure;
};

// Opens frmSSPhoto over the main window, or brings the open one forward.
void openScreenSaverList(MainWindowHost &host, ProgramState &state, Platform &platform);

} // namespace gallerion
