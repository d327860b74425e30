#include "support/scriptedmessageboxes.h"

namespace gallerion::test {

namespace {
int firstButton(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        return AnswerYes;
    case MessageButtons::RetryCancel:
        return AnswerRetry;
    default:
        return AnswerOk;
    }
}
} // namespace

int ScriptedMessageBoxes::ask(const MessageRequest &request)
{
    m_shown.append(request);
    const int answer = m_answers.isEmpty() ? firstButton(request.buttons) : m_answers.dequeue();
    traceMessage(request, answer);
    return answer;
}

} // namespace gallerion::test
