#include "documents/documentprint.h"

#include "documents/printmessages.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "startup/errorreporter.h"
#include "widgets/printrichtext.h"

namespace gallerion {

void printShownDocument(const QTextDocument &text, const QString &caption, ProgramState &state,
                        Platform &platform)
{
    const QString question =
        QStringLiteral("Would you like to print the \r\n\r\n") + caption + QStringLiteral("?");
    if (askBeforePrinting(state, platform, question, QStringLiteral("The Zarvick Gallerion"),
                          MessageButtons::YesNo) != AnswerYes)
        return;
    platform.screen().setBusy(true);
    const bool printed = PrintRichText(platform.printer(), text, PrintMarginTwips, PrintMarginTwips,
                                       PrintMarginTwips, PrintMarginTwips);
    platform.screen().setBusy(false);
    if (!printed) {
        ReportError(state, platform, QStringLiteral("ER040"));
        return;
    }
    tellPrinted(state, platform, QStringLiteral("Printing complete!"));
}

} // namespace gallerion
