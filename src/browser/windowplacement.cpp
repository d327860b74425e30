#include "browser/windowplacement.h"

#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "startup/applicationtitle.h"

#include <algorithm>

namespace gallerion {

namespace {

const QString App = applicationTitle();
const QString Section = QStringLiteral("Settings");
constexpr int MinimumWidth = 320;
constexpr int MinimumHeight = 240;
// How much of the window must show on a screen to count as on it.
constexpr int VisibleMargin = 64;

int numberOr(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool showsOn(const QRect &window, const QRect &screen)
{
    const QRect common = window.intersected(screen);
    return common.width() >= VisibleMargin && common.height() >= VisibleMargin &&
           window.top() >= screen.top();
}

qint64 coveredArea(const QRect &window, const QRect &screen)
{
    const QRect common = window.intersected(screen);
    return qint64(common.width()) * common.height();
}

// A window saved on a larger screen would put Exit and the right column out
// of reach: it is made no larger than the screen and moved wholly onto it.
QRect fittedInto(QRect window, const QRect &screen)
{
    window.setSize(window.size().boundedTo(screen.size()));
    window.moveLeft(std::clamp(window.left(), screen.left(), screen.right() - window.width() + 1));
    window.moveTop(std::clamp(window.top(), screen.top(), screen.bottom() - window.height() + 1));
    return window;
}

} // namespace

SavedPlacement readPlacement(const SettingsStore &settings, const QSize &screenTwips)
{
    auto read = [&](const char *key, int fallback) {
        return settings.value(App, Section, QLatin1String(key), QString::number(fallback));
    };
    return {read("MainLeft", 0), read("MainTop", 0), read("MainWidth", screenTwips.width()),
            read("MainHeight", screenTwips.height())};
}

void writePlacement(SettingsStore &settings, const QRect &twips)
{
    settings.setValue(App, Section, QStringLiteral("MainLeft"), QString::number(twips.left()));
    settings.setValue(App, Section, QStringLiteral("MainTop"), QString::number(twips.top()));
    settings.setValue(App, Section, QStringLiteral("MainWidth"), QString::number(twips.width()));
    settings.setValue(App, Section, QStringLiteral("MainHeight"), QString::number(twips.height()));
}

QRect placementInPixels(const SavedPlacement &saved, const QSize &screenTwips,
                        const QList<QRect> &screens)
{
    QRect window(twipsToPixels(numberOr(saved.left, 0)), twipsToPixels(numberOr(saved.top, 0)),
                 twipsToPixels(numberOr(saved.width, screenTwips.width())),
                 twipsToPixels(numberOr(saved.height, screenTwips.height())));
    if (window.width() < MinimumWidth || window.height() < MinimumHeight)
        window.setSize(QSize(std::max(window.width(), MinimumWidth),
                             std::max(window.height(), MinimumHeight)));
    if (screens.isEmpty())
        return window;
    const auto home =
        std::max_element(screens.cbegin(), screens.cend(), [&](const QRect &a, const QRect &b) {
            return coveredArea(window, a) < coveredArea(window, b);
        });
    if (!showsOn(window, *home)) {
        // A monitor removed since: back to the first one.
        window.moveTopLeft(screens.first().topLeft());
        return fittedInto(window, screens.first());
    }
    return fittedInto(window, *home);
}

} // namespace gallerion
