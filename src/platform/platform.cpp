#include "platform/platform.h"

namespace gallerion {

Platform::Platform(FileSystem files, QObject *parent)
    : QObject(parent), m_files(std::move(files)), m_messages(std::make_unique<DialogMessageBoxes>())
{
    setObjectName(QStringLiteral("Platform"));
}

Platform::~Platform()
{
    m_screen.setBusy(false);
}

void Platform::setMessages(std::unique_ptr<MessageBoxService> messages)
{
    m_messages = std::move(messages);
}

} // namespace gallerion
