#pragma once

#include <QString>

#include <optional>

namespace gallerion {

class SettingsStore;

// What the viewer's installation leaves for the screen-saver program, and all
// the two programs share: the delay and the photo folder.
struct ScreenSaverSettings
{
    int intervalSeconds = 1;
    // Ends in the separator.
    QString zarvicksDir;
};

// "SCRNSAVE: " followed by the product's title.
QString screenSaverSettingsApp();

// "Interval" first, then "ZarvicksDir".
void writeScreenSaverSettings(SettingsStore &store, const ScreenSaverSettings &settings);

// Nothing when either value is missing or the delay is not a whole number of
// seconds from 1 to an hour.
std::optional<ScreenSaverSettings> readScreenSaverSettings(const SettingsStore &store);

} // namespace gallerion
