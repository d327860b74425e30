#pragma once

#include <QLatin1String>

namespace gallerion {

// The screen-saver photo list's window stays above the main window; windows
// that would open under it close it first.
inline constexpr QLatin1String ScreenSaverListName("frmSSPhoto");

void closeScreenSaverList();

} // namespace gallerion
