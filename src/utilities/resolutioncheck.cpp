#include "utilities/resolutioncheck.h"

#include "platform/platform.h"
#include "platform/twips.h"
#include "startup/applicationtitle.h"
#include "startup/programstate.h"
#include "platform/messagebox.h"
#include "platform/screen.h"

namespace gallerion {

namespace {

const QString Crlf = QStringLiteral("\r\n");

// Numbers are written as the original program wrote them: a blank where the
// sign of a negative number would stand.
QString signedNumber(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString resolutionAdvice(int width, int height)
{
    const QStringList lines{
        QStringLiteral("Your current screen resolution is set at ") + signedNumber(width) +
            QStringLiteral(" by") + signedNumber(height) + QStringLiteral(" pixles."),
        QString(),
        QStringLiteral("The optimum setting for the Zarvick Gallerion is 800 by 600 pixels."),
        QString(),
        QStringLiteral(
            "Also, The Zarvick Gallerion requires that the Small Fonts display setting is "
            "selected."),
        QString(),
        QStringLiteral(
            "To change your resolution and font size settings perform the following steps:"),
        QStringLiteral(
            "    1)  Click the right mouse button while the cursor is on the Windows desktop."),
        QStringLiteral(
            "    2)  Select the Properties option from the window that will be displayed."),
        QStringLiteral("    3)  Select the Settings tab."),
        QStringLiteral("    4)  Adjust the Screen area Slide control to 800x600."),
        QStringLiteral(
            "    5)  You may also want to set the Colors to the highest level allowed by your"),
        QStringLiteral("         graphics card."),
        QStringLiteral("    6)  To change the font size setting:"),
        QStringLiteral(
            "          Click the Advanced button on the bottom right of the above window."),
        QStringLiteral("          Select Small Fonts from the font size drop-down list box."),
        QString(),
        QStringLiteral(
            "You may now have to re-start your computer for the new settings to take affect."),
    };
    return lines.join(Crlf) + Crlf;
}

} // namespace

MessageRequest resolutionMessage(const QSize &screenTwips)
{
    MessageRequest request;
    request.title = applicationTitle();
    if (screenTwips == QSize(pixelsToTwips(800), pixelsToTwips(600))) {
        request.text = QStringLiteral("Your current screen resolution is set at 800x600.") + Crlf +
                       Crlf +
                       QStringLiteral("This is the optimum setting for the Zarvick Gallerion!");
        return request;
    }
    request.icon = MessageIcon::Exclamation;
    request.text =
        resolutionAdvice(twipsToPixels(screenTwips.width()), twipsToPixels(screenTwips.height()));
    return request;
}

void checkResolution(ProgramState &state, Platform &platform)
{
    const MessageRequest request = resolutionMessage(platform.screen().twips());
    state.ErrorText = request.text;
    platform.messages().ask(request);
}

} // namespace gallerion
