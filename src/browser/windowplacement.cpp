#include "browser/windowplacement.h"

#include "platform/settingsstore.h"
#include "platform/twips.h"

#include <algorithm>

namespace gallerion {

namespace {

const QString App = QStringLiteral("The Zarvick Gallerion 2001");
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
    const bool visible = std::any_of(screens.cbegin(), screens.cend(),
                                     [&](const QRect &screen) { return showsOn(window, screen); });
    if (visible || screens.isEmpty())
        return window;
    const QRect first = screens.first();
    window.setSize(window.size().boundedTo(first.size()));
    window.moveTopLeft(first.topLeft());
    return window;
}

} // namespace gallerion
