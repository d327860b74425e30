#include "documents/photoprint.h"

#include "documents/printmessages.h"
#include "documents/printpicture.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "startup/applicationtitle.h"
#include "startup/errorreporter.h"

#include <QStringList>

namespace gallerion {

namespace {

constexpr int PhotoLeft = 1460;
constexpr int PhotoTop = 3000;

bool printPage(Printer &printer, PrintPicture &photo, const QString &caption)
{
    const QString indent(12, QLatin1Char(' '));
    const QString blank(1, QLatin1Char(' '));
    QStringList lines(8, blank);
    lines << indent + QStringLiteral("The Zarvick Gallerion 2001") << blank << indent + caption
          << blank;
    for (const QString &line : lines) {
        if (!printer.printLine(line))
            return false;
    }
    return photo.print(printer, QPoint(PhotoLeft, PhotoTop));
}

} // namespace

void printPhoto(const QString &photoPath, const QString &caption, ProgramState &state,
                Platform &platform)
{
    if (askBeforePrinting(state, platform,
                          QStringLiteral("Would you like to print this photograph?"),
                          applicationTitle(), MessageButtons::OkCancel) != AnswerOk)
        return;
    platform.screen().setBusy(true);
    // A photo that cannot be read starts no job.
    PrintPicture photo;
    const bool printed = !photoPath.isEmpty() && photo.open(platform.files(), photoPath) &&
                         printPage(platform.printer(), photo, caption);
    // A job that failed half-way is ended all the same, so the printer is free again.
    const bool sent = platform.printer().endDoc();
    platform.screen().setBusy(false);
    if (!printed || !sent)
        ReportError(state, platform, QStringLiteral("ER040"));
}

} // namespace gallerion
