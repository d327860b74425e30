#include "platform/messagebox.h"

#include "platform/screen.h"
#include "platform/trace.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

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

// Texts broken into lines by hand, such as the display check's numbered steps,
// read as written only when no line wraps; Qt wraps anything wider than half
// the screen. A long paragraph still wraps at a readable width on the screen.
void keepLinesWhole(QMessageBox &box)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !box.text().contains(QLatin1Char('\n')))
        return;
    label->ensurePolished();
    const QFontMetrics metrics = label->fontMetrics();
    int widest = 0;
    for (const QString &line : box.text().split(QLatin1Char('\n')))
        widest =
            std::max(widest, metrics.horizontalAdvance(QString(line).remove(QLatin1Char('\r'))));
    const QMargins margins = label->contentsMargins();
    const int needed = widest + margins.left() + margins.right() + 2 * label->margin() +
                       metrics.averageCharWidth();
    int limit = 90 * metrics.averageCharWidth();
    if (const QScreen *screen = box.screen())
        limit = std::min(limit, screen->availableGeometry().width() * 3 / 4);
    label->setMinimumWidth(std::min(needed, limit));
}

QString iconMeaning(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QStringLiteral("Error");
    case MessageIcon::Question:
        return QStringLiteral("Question");
    case MessageIcon::Exclamation:
        return QStringLiteral("Warning");
    case MessageIcon::Information:
        return QStringLiteral("Information");
    case MessageIcon::None:
        break;
    }
    return {};
}

// The box's picture is named by what it tells, the row of buttons as the answers it offers.
void nameParts(QMessageBox &box, MessageIcon icon)
{
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        label->setAccessibleName(iconMeaning(icon));
    if (auto *buttons = box.findChild<QDialogButtonBox *>())
        buttons->setAccessibleName(QStringLiteral("Answers"));
}

} // namespace

int DialogMessageBoxes::ask(const MessageRequest &request)
{
    QMessageBox box(qtIcon(request.icon), request.title, request.text, qtButtons(request.buttons),
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    keepLinesWhole(box);
    nameParts(box, request.icon);
    if (request.modality == MessageModality::System)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = answerCode(box.exec(), request.buttons);
    traceMessage(request, answer);
    return answer;
}

} // namespace gallerion
