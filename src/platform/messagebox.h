#pragma once

#include <QString>

class QWidget;

namespace gallerion {

// Answer codes of the original platform, which the program stores as text.
enum MessageAnswer
{
    AnswerOk = 1,
    AnswerCancel = 2,
    AnswerRetry = 4,
    AnswerYes = 6,
    AnswerNo = 7
};

enum class MessageIcon
{
    None,
    Critical,
    Question,
    Exclamation,
    Information
};
enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    RetryCancel
};
enum class MessageModality
{
    Application,
    System
};

struct MessageRequest
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageModality modality = MessageModality::Application;
};

QString iconName(MessageIcon icon);
QString buttonsName(MessageButtons buttons);
void traceMessage(const MessageRequest &request, int answer);

// Every message box of the program goes through one of these.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    // Shows the box and returns the answer code.
    virtual int ask(const MessageRequest &request) = 0;
};

// The real boxes: a QMessageBox, modal.
class DialogMessageBoxes : public MessageBoxService
{
public:
    int ask(const MessageRequest &request) override;
};

} // namespace gallerion
