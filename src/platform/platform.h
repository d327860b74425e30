#pragma once

#include <QObject>
#include <memory>

namespace gallerion {

class FileSystem;
class HelpService;
class MessageBoxService;
class Printer;
class ProcessRunner;
class Screen;
class SettingsStore;
class SingleInstance;
class Taskbar;
class WebBrowser;

// The services of the machine the program runs on, made once per run and
// handed to every window; a file includes the header of each service it uses. Tests replace the message boxes with a scripted set
// and the web browser with a recorder.
class Platform : public QObject
{
    Q_OBJECT
public:
    Platform(FileSystem files, QObject *parent);
    ~Platform() override;

    FileSystem &files() { return *m_files; }
    SettingsStore &settings() { return *m_settings; }
    Screen &screen() { return *m_screen; }
    ProcessRunner &processes() { return *m_processes; }
    SingleInstance &singleInstance() { return *m_singleInstance; }
    Taskbar &taskbar() { return *m_taskbar; }
    Printer &printer() { return *m_printer; }
    MessageBoxService &messages() { return *m_messages; }
    void setMessages(std::unique_ptr<MessageBoxService> messages);
    WebBrowser &browser() { return *m_browser; }
    void setBrowser(std::unique_ptr<WebBrowser> browser);
    HelpService &help() { return *m_help; }

private:
    std::unique_ptr<FileSystem> m_files;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Screen> m_screen;
    std::unique_ptr<ProcessRunner> m_processes;
    std::unique_ptr<SingleInstance> m_singleInstance;
    std::unique_ptr<Taskbar> m_taskbar;
    std::unique_ptr<Printer> m_printer;
    std::unique_ptr<MessageBoxService> m_messages;
    std::unique_ptr<WebBrowser> m_browser;
    HelpService *m_help;
};

} // namespace gallerion
