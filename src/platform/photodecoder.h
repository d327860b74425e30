#pragma once

#include <QImage>

namespace gallerion {

// Decodes a picture file at no more than the given size; a JPEG is decoded
// directly at a reduced scale, which is far cheaper than decoding it whole.
QImage readImageFitting(const QString &nativePath, const QSize &box);

// The same, and a smaller picture enlarged, so that it fills the box as it is
// shown (proportions kept) and painting it is a plain copy.
QImage readImageAsShown(const QString &nativePath, const QSize &box);

} // namespace gallerion
