#include "documents/printmessages.h"

#include "platform/platform.h"
#include "startup/programstate.h"
#include "platform/messagebox.h"

namespace gallerion {

namespace {

int show(ProgramState &state, Platform &platform, const MessageRequest &request)
{
    state.ErrorText = request.text;
    const int answer = platform.messages().ask(request);
    state.ErrorAnswer = QString::number(answer);
    return answer;
}

} // namespace

int askBeforePrinting(ProgramState &state, Platform &platform, const QString &text,
                      const QString &title, MessageButtons buttons)
{
    return show(state, platform, {text, title, MessageIcon::Question, buttons});
}

int tellPrinted(ProgramState &state, Platform &platform, const QString &text)
{
    return show(state, platform,
                {text, QStringLiteral("The Zarvick Gallerion"), MessageIcon::Exclamation});
}

} // namespace gallerion
