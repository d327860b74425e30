#pragma once

#include <QByteArrayView>
#include <QImage>

namespace gallerion::rtf {

// Largest decoded picture, in MB of pixels, whatever a header claims.
inline constexpr int PictureAllocationLimitMB = 64;

// A device-independent bitmap (BITMAPINFO header, colours and bits, as in
// \dibitmap data and metafile records) as an image; null when it is broken
// or too large.
QImage imageFromDib(QByteArrayView dib);
// The same for a header with colours and bits that lie apart.
QImage imageFromDib(QByteArrayView info, QByteArrayView bits);

// Old device-dependent bitmap bits (\wbitmap): rows of widthBytes bytes,
// top row first, 1, 4, 8, 24 or 32 bits to the pixel.
QImage imageFromDdb(QByteArrayView bits, int width, int height, int bitsPerPixel, int widthBytes);

} // namespace gallerion::rtf
