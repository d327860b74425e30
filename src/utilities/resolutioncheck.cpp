#include "utilities/resolutioncheck.h"

#include "platform/messagebox.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "startup/applicationtitle.h"
#include "startup/programstate.h"

#include <array>
#include <utility>

namespace gallerion {

namespace {

const QString Crlf = QStringLiteral("\r\n");
constexpr QSize Smallest(800, 600);

// Numbers are written as the original program wrote them: a blank where the
// sign of a negative number would stand.
QString signedNumber(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString currentResolution(const QSize &pixels)
{
    return QStringLiteral("Your current screen resolution is set at ") +
           signedNumber(pixels.width()) + QStringLiteral(" by") + signedNumber(pixels.height()) +
           QStringLiteral(" pixels.");
}

MessageRequest designedScreenMessage()
{
    MessageRequest request;
    request.text = QStringLiteral("Your current screen resolution is set at 800x600.") + Crlf +
                   Crlf + QStringLiteral("This is the optimum setting for the Zarvick Gallerion!");
    return request;
}

MessageRequest largeEnoughMessage(const QSize &pixels)
{
    MessageRequest request;
    request.icon = MessageIcon::Information;
    request.text = QStringList{currentResolution(pixels), QString(),
                               QStringLiteral("This is large enough for the Zarvick Gallerion, "
                                              "which needs at least 800 by 600 pixels."),
                               QStringLiteral("Its windows grow to fit a larger screen.")}
                       .join(Crlf);
    return request;
}

MessageRequest tooSmallMessage(const QSize &pixels, const QString &displaySettings)
{
    MessageRequest request;
    request.icon = MessageIcon::Exclamation;
    request.text =
        QStringList{currentResolution(pixels),
                    QString(),
                    QStringLiteral("The Zarvick Gallerion needs at least 800 by 600 pixels; on "
                                   "this screen parts of its windows cannot be seen."),
                    QString(),
                    QStringLiteral("To change the resolution, open ") + displaySettings +
                        QStringLiteral(" and choose a resolution of at least 800 x 600."),
                    QStringLiteral("The new setting takes effect when you apply it.")}
            .join(Crlf);
    return request;
}

} // namespace

QString displaySettingsName(const QByteArray &currentDesktop)
{
    static constexpr std::array<std::pair<const char *, const char *>, 9> Known{{
        {"gnome", "Settings, Displays"},
        {"unity", "Settings, Displays"},
        {"budgie", "Settings, Displays"},
        {"kde", "System Settings, Display and Monitor"},
        {"xfce", "Settings Manager, Display"},
        {"x-cinnamon", "System Settings, Display"},
        {"mate", "Control Center, Displays"},
        {"lxqt", "LXQt Configuration Center, Monitor settings"},
        {"lxde", "Preferences, Monitor Settings"},
    }};
    for (const QByteArray &name : currentDesktop.toLower().split(':')) {
        for (const auto &[desktop, settings] : Known) {
            if (name == desktop)
                return QLatin1String(settings);
        }
    }
#ifdef Q_OS_WIN
    return QStringLiteral("Settings, System, Display");
#else
    return QStringLiteral("your desktop's display settings");
#endif
}

MessageRequest resolutionMessage(const QSize &screenTwips, const QString &displaySettings)
{
    const QSize pixels(twipsToPixels(screenTwips.width()), twipsToPixels(screenTwips.height()));
    MessageRequest request;
    if (pixels == Smallest)
        request = designedScreenMessage();
    else if (pixels.width() >= Smallest.width() && pixels.height() >= Smallest.height())
        request = largeEnoughMessage(pixels);
    else
        request = tooSmallMessage(pixels, displaySettings);
    request.title = applicationTitle();
    return request;
}

void checkResolution(ProgramState &state, Platform &platform)
{
    const MessageRequest request = resolutionMessage(
        platform.screen().twips(), displaySettingsName(qgetenv("XDG_CURRENT_DESKTOP")));
    state.ErrorText = request.text;
    platform.messages().ask(request);
}

} // namespace gallerion
