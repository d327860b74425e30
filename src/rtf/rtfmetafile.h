#pragma once

#include <QByteArrayView>
#include <QImage>

namespace gallerion::rtf {

// Plays a Windows metafile (\wmetafile data, with or without a placeable
// header) into an image of the given size, the metafile's window filling it.
// A metafile that only wraps one bitmap gives that bitmap. Null when the data
// is not a metafile.
QImage renderWindowsMetafile(QByteArrayView data, QSize size);

// The same for an enhanced metafile (\emfblip), its frame filling the image.
QImage renderEnhancedMetafile(QByteArrayView data, QSize size);

} // namespace gallerion::rtf
