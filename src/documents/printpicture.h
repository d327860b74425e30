#pragma once

#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QPoint>
#include <QString>

#include <memory>

namespace gallerion {

class FileSystem;
class Printer;

// Paper takes about this many dots per inch of a photo before it shows no more.
inline constexpr int PictureDotsPerInch = 300;

// A picture of the disc on its way to the printer. It is decoded for the size
// it prints at, as the screen decodes photos for theirs, so a photo far larger
// than the paper prints instead of being refused.
class PrintPicture
{
public:
    // Opens the picture and reads its size; false when it is no picture.
    bool open(const FileSystem &files, const QString &path);
    // Prints it with its corner at the position (twips), at the size the
    // printer gives it; false when it cannot be decoded or drawn.
    bool print(Printer &printer, const QPoint &atTwips);
    // What was printed, at the decoded size.
    const QImage &printed() const { return m_printed; }

private:
    std::unique_ptr<QIODevice> m_device;
    QImageReader m_reader;
    QSize m_size;
    QImage m_printed;
};

} // namespace gallerion
