#include "platform/messagebox.h"

#include "platform/trace.h"

#include <QApplication>
#include <QMessageBox>

namespace gallerion {

QString iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QStringLiteral("critical");
    case MessageIcon::Question:
        return QStringLiteral("question");
    case MessageIcon::Exclamation:
        return QStringLiteral("exclamation");
    case MessageIcon::Information:
        return QStringLiteral("information");
    case MessageIcon::None:
        break;
    }
    return QStringLiteral("none");
}

QString buttonsName(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QStringLiteral("okcancel");
    case MessageButtons::YesNo:
        return QStringLiteral("yesno");
    case MessageButtons::RetryCancel:
        return QStringLiteral("retrycancel");
    case MessageButtons::Ok:
        break;
    }
    return QStringLiteral("ok");
}

void traceMessage(const MessageRequest &request, int answer)
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("msgbox")},
                  {QStringLiteral("title"), request.title},
                  {QStringLiteral("text"), request.text},
                  {QStringLiteral("icon"), iconName(request.icon)},
                  {QStringLiteral("buttons"), buttonsName(request.buttons)},
                  {QStringLiteral("answer"), answer}});
}

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (Escape, close box) counts as the refusing answer.
int answerCode(int clicked, MessageButtons buttons)
{
    switch (clicked) {
    case QMessageBox::Ok:
        return AnswerOk;
    case QMessageBox::Cancel:
        return AnswerCancel;
    case QMessageBox::Retry:
        return AnswerRetry;
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    default:
        break;
    }
    switch (buttons) {
    case MessageButtons::YesNo:
        return AnswerNo;
    case MessageButtons::Ok:
        return AnswerOk;
    default:
        return AnswerCancel;
    }
}

} // namespace

int DialogMessageBoxes::ask(const MessageRequest &request)
{
    QMessageBox box(qtIcon(request.icon), request.title, request.text, qtButtons(request.buttons),
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    if (request.modality == MessageModality::System)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = answerCode(box.exec(), request.buttons);
    traceMessage(request, answer);
    return answer;
}

} // namespace gallerion
