#include "startup/errorreporter.h"

#include "platform/platform.h"
#include "startup/errormessages.h"
#include "startup/programstate.h"

#include <QApplication>
#include <QWidget>

namespace gallerion {

namespace {

const QString ErrorTitle = QStringLiteral("The Zarvick Gallerion");

QWidget *mainWindow()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == QLatin1String("Form1"))
            return window;
    }
    return nullptr;
}

// The main window may not exist yet (start-up) or have no year buttons (tests).
void restoreMainWindow(int selectedYearButton)
{
    QWidget *window = mainWindow();
    if (!window)
        return;
    // A disabled window takes no focus, so it is enabled first.
    window->setEnabled(true);
    const int next = selectedYearButton >= 38 ? 1 : selectedYearButton + 1;
    if (auto *button = window->findChild<QWidget *>(QStringLiteral("cmdYR(%1)").arg(next)))
        button->setFocus(Qt::OtherFocusReason);
}

} // namespace

void ReportError(ProgramState &state, Platform &platform)
{
    state.ErrorText = composeErrorText(state.ErrorCode, state.SoundFilePath);
    MessageRequest request;
    request.text = state.ErrorText;
    request.title = ErrorTitle;
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
    restoreMainWindow(state.SelectedYearButton);
}

} // namespace gallerion
