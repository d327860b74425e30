#pragma once

#include "platform/filesystem.h"
#include "platform/helpservice.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/processes.h"
#include "platform/screen.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "platform/taskbar.h"
#include "platform/webbrowser.h"

#include <QObject>
#include <memory>

namespace gallerion {

// The services of the machine the program runs on, made once per run and
// handed to every window. Tests replace the message boxes with a scripted set
// and the web browser with a recorder.
class Platform : public QObject
{
    Q_OBJECT
public:
    Platform(FileSystem files, QObject *parent);
    ~Platform() override;

    FileSystem &files() { return m_files; }
    SettingsStore &settings() { return m_settings; }
    Screen &screen() { return m_screen; }
    ProcessRunner &processes() { return m_processes; }
    SingleInstance &singleInstance() { return m_singleInstance; }
    Taskbar &taskbar() { return m_taskbar; }
    Printer &printer() { return m_printer; }
    MessageBoxService &messages() { return *m_messages; }
    void setMessages(std::unique_ptr<MessageBoxService> messages);
    WebBrowser &browser() { return *m_browser; }
    void setBrowser(std::unique_ptr<WebBrowser> browser);
    HelpService &help() { return *m_help; }

private:
    FileSystem m_files;
    SettingsStore m_settings;
    Screen m_screen;
    ProcessRunner m_processes;
    SingleInstance m_singleInstance;
    Taskbar m_taskbar;
    Printer m_printer;
    std::unique_ptr<MessageBoxService> m_messages;
    std::unique_ptr<WebBrowser> m_browser;
    HelpService *m_help;
};

} // namespace gallerion
