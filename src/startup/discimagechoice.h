#pragma once

#include <QString>

namespace gallerion {

class SettingsStore;

// The disc image a command line names (absolute), or empty: "HWI" and texts
// that name no image file keep their own meaning.
QString discImageArgument(const QString &argumentText);

// The image the user last opened, read by the next start when no disc is in.
QString rememberedDiscImage(const SettingsStore &settings);
void rememberDiscImage(SettingsStore &settings, const QString &imagePath);

// The folder the image dialog opens in: that of the last image chosen.
QString discImageFolder(const SettingsStore &settings);

} // namespace gallerion
