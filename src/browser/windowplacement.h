#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace gallerion {

class SettingsStore;

// The saved main-window placement: left, top, width and height in twips.
struct SavedPlacement
{
    QString left, top, width, height;
};

SavedPlacement readPlacement(const SettingsStore &settings, const QSize &screenTwips);
void writePlacement(SettingsStore &settings, const QRect &twips);

// The window rectangle in pixels for a saved placement. Values that are not
// numbers fall back to their defaults. The window lies wholly on the screen
// that shows most of it, no larger than that screen's available area; one
// that would lie off every screen is brought back onto the first one.
QRect placementInPixels(const SavedPlacement &saved, const QSize &screenTwips,
                        const QList<QRect> &screens);

} // namespace gallerion
