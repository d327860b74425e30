#include "startup/clipboardcopy.h"

#include "platform/clipboard.h"
#include "widgets/photobox.h"
#include "platform/platform.h"
#include "startup/applicationtitle.h"
#include "startup/programstate.h"
#include "platform/messagebox.h"

#include <QLabel>
#include <QLineEdit>

namespace gallerion {

void CopySelectionToClipboard(ProgramState &state, Platform &platform, QWidget *pressed)
{
    if (state.LastMouseButton != QLatin1String("2") || !pressed)
        return;
    const MessageRequest question{
        QStringLiteral("Would you like to copy this image to the Windows Clipboard?"),
        applicationTitle(), MessageIcon::Question, MessageButtons::YesNo};
    if (platform.messages().ask(question) != AnswerYes)
        return;
    clipboard::clear();
    if (auto *photo = qobject_cast<PhotoBox *>(pressed))
        clipboard::setImage(photo->image());
    else if (auto *label = qobject_cast<QLabel *>(pressed); label && !label->pixmap().isNull())
        clipboard::setImage(label->pixmap().toImage());
    else if (auto *edit = qobject_cast<QLineEdit *>(pressed))
        clipboard::setText(edit->selectedText());
    else
        clipboard::setText(pressed->property("text").toString());
}

} // namespace gallerion
