#include "platform/platform.h"

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

#include <QCoreApplication>

namespace gallerion {

Platform::Platform(FileSystem files, QObject *parent)
    : QObject(parent), m_files(std::make_unique<FileSystem>(std::move(files))),
      m_settings(std::make_unique<SettingsStore>()), m_screen(std::make_unique<Screen>()),
      m_processes(std::make_unique<ProcessRunner>()),
      m_singleInstance(std::make_unique<SingleInstance>()), m_taskbar(std::make_unique<Taskbar>()),
      m_printer(std::make_unique<Printer>()),
      m_messages(std::make_unique<DialogMessageBoxes>()), m_browser(std::make_unique<WebBrowser>()),
      // The help ships with the program; a program folder named for a run
      // elsewhere may lack it, and the executable's folder has it then.
      m_help(new HelpService({m_files->programDir() + QStringLiteral("/help"),
                              QCoreApplication::applicationDirPath() + QStringLiteral("/help")},
                             *this))
{
    setObjectName(QStringLiteral("Platform"));
}

Platform::~Platform()
{
    m_screen->setBusy(false);
}

void Platform::setMessages(std::unique_ptr<MessageBoxService> messages)
{
    m_messages = std::move(messages);
}

void Platform::setBrowser(std::unique_ptr<WebBrowser> browser)
{
    m_browser = std::move(browser);
}

} // namespace gallerion
