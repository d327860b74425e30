#include "startup/screensaversettings.h"

#include "platform/settingsstore.h"
#include "startup/applicationtitle.h"

namespace gallerion {

namespace {
const QString Section = QStringLiteral("Settings");
const QString IntervalKey = QStringLiteral("Interval");
const QString DirKey = QStringLiteral("ZarvicksDir");
constexpr int LongestInterval = 3600;
} // namespace

QString screenSaverSettingsApp()
{
    return QStringLiteral("SCRNSAVE: ") + applicationTitle();
}

void writeScreenSaverSettings(SettingsStore &store, const ScreenSaverSettings &settings)
{
    const QString app = screenSaverSettingsApp();
    store.setValue(app, Section, IntervalKey, QString::number(settings.intervalSeconds));
    store.setValue(app, Section, DirKey, settings.zarvicksDir);
}

std::optional<ScreenSaverSettings> readScreenSaverSettings(const SettingsStore &store)
{
    const QString app = screenSaverSettingsApp();
    bool number = false;
    const int seconds = store.value(app, Section, IntervalKey, QString()).trimmed().toInt(&number);
    const QString dir = store.value(app, Section, DirKey, QString());
    if (!number || seconds < 1 || seconds > LongestInterval || dir.isEmpty())
        return std::nullopt;
    return ScreenSaverSettings{seconds, dir};
}

} // namespace gallerion
