#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>

namespace gallerion::rtf {

// What a \pict group said about its picture, and its data.
struct Picture
{
    enum Format
    {
        Unknown,
        Png,
        Jpeg,
        Dib,           // \dibitmap
        Ddb,           // \wbitmap
        WindowsMeta,   // \wmetafile
        EnhancedMeta,  // \emfblip
        OtherMetafile, // \macpict, \pmmetafile: kept as a blank of their size
    };

    Format format = Unknown;
    int width = 0; // \picw, \pich: pixels for bitmaps, 0.01 mm for metafiles
    int height = 0;
    int goalWidth = 0; // \picwgoal, \pichgoal: twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
    int cropLeft = 0; // \piccropl, ...: twips cut off each side
    int cropRight = 0;
    int cropTop = 0;
    int cropBottom = 0;
    int bitsPerPixel = 1; // \wbmbitspixel
    int widthBytes = 0;   // \wbmwidthbytes
    QByteArray hex;       // data written as hex digits
    QByteArray binary;    // data given by \bin
};

// The picture's image, or a null image when it cannot be drawn (unknown
// formats, broken data). Metafiles are drawn at twice their shown size so
// that they stay sharp when printed.
QImage decodePicture(const Picture &picture);

// The size in pixels at which the picture is shown, cropped; the decoded image may be null.
QSizeF displaySize(const Picture &picture, const QImage &image);

} // namespace gallerion::rtf
