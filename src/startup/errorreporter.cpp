#include "startup/errorreporter.h"

#include "platform/platform.h"
#include "startup/errormessages.h"
#include "startup/programstate.h"
#include "platform/messagebox.h"

namespace gallerion {

void ReportError(ProgramState &state, Platform &platform)
{
    state.ErrorText = composeErrorText(state.ErrorCode, state.SoundFilePath);
    MessageRequest request;
    request.text = state.ErrorText;
    request.title = QStringLiteral("The Zarvick Gallerion");
    if (isRetryCancelCode(state.ErrorCode)) {
        request.buttons = MessageButtons::RetryCancel;
        const int answer = platform.messages().ask(request);
        state.ErrorAnswer = QString::number(answer);
        if (answer != AnswerRetry)
            state.requestEnd();
        return;
    }
    request.icon = MessageIcon::Critical;
    platform.messages().ask(request);
    state.returnToMainWindow();
}

void ReportError(ProgramState &state, Platform &platform, const QString &code)
{
    state.ErrorCode = code;
    ReportError(state, platform);
}

} // namespace gallerion
