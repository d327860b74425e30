#pragma once

#include <QLatin1String>
#include <QString>

namespace gallerion {

// Directories of the content disc and of the hard-disk copies. Each is written
// as the program writes it; the file system matches the letter case.
namespace ContentDir {
inline constexpr QLatin1String Photos("\\zarvicks\\");
inline constexpr QLatin1String RichText("\\richtext\\");
inline constexpr QLatin1String Movies("\\movies\\");
inline constexpr QLatin1String Wav("\\wav\\");
inline constexpr QLatin1String ClipArt("\\Clipart\\");
inline constexpr QLatin1String Scripts("\\scripts\\");
inline constexpr QLatin1String Emblems("\\emblems\\");
inline constexpr QLatin1String Ads("\\ads\\");
inline constexpr QLatin1String Graphics("\\graphics\\");
inline constexpr QLatin1String ScreenSaverPhotos("\\sszarvicks\\");
} // namespace ContentDir

// root + directory + name, e.g. "E:" + "\richtext\" + "67desc.rtf".
QString contentPath(const QString &root, QLatin1String directory, const QString &name);

QString photoPath(const QString &photoRoot, const QString &name);
QString photoPattern(const QString &photoRoot); // every photo: "\zarvicks\*.jpg"
QString moviePattern(const QString &discRoot);  // every movie: "\movies\*.avi"

} // namespace gallerion
