#pragma once

#include <QPixmap>

namespace gallerion {

// The start-up window's artwork, drawn rather than shipped as a file.
QPixmap drawSplashPicture(const QSize &size);

} // namespace gallerion
