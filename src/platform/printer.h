#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <memory>

class QPageSize;
class QPainter;
class QPrinter;
class QWidget;

namespace gallerion {

// The system printer as the program uses it: one job at a time, built line by
// line, picture by picture and page by page, measured in twips. With
// GALLERION_PRINT_DIR set, every job becomes a PDF file there (job-0001.pdf,
// ...) instead of going to the printer.
class Printer
{
public:
    Printer();
    ~Printer();

    // Each drawing call opens a job when none is open; false when the printer refuses.
    bool printLine(const QString &text);
    // Draws the picture at its own size, its corner at (x, y) twips from the
    // top-left of the printable area; a picture that would run off the
    // printable area is scaled down to fit, its proportions kept.
    bool drawPicture(const QImage &image, int xTwips, int yTwips);
    // Where drawPicture puts a picture of this many pixels, in twips; a
    // reader can decode the picture for that room instead of at full size.
    QRect pictureRectTwips(const QSize &pixels, int xTwips, int yTwips) const;
    // Draws the picture scaled into the rectangle (twips).
    bool drawPicture(const QImage &image, const QRect &twips);
    // The page is started by whatever is drawn next, so a job that ends right
    // after it has no blank page at its end.
    bool newPage();
    // Ends the job, which sends it; the PDF file name when printing to a folder.
    // False when the printer refused the job or its PDF file was not written
    // whole (a full disk); such a file is removed.
    bool endDoc();
    bool isPrinting() const { return m_painter != nullptr; }

    // The device context of the page being drawn, for laying text out page by
    // page: opens the job and starts an asked-for page first. Null when the
    // printer refuses.
    QPainter *pagePainter();
    int twipsToDevice(int twips) const;
    int deviceToTwips(int pixels) const;

    int pageWidthTwips() const;
    int pageHeightTwips() const;
    int printableWidthTwips() const;
    int printableHeightTwips() const;
    int physicalOffsetXTwips() const;
    int physicalOffsetYTwips() const;

    // The paper of the jobs that follow (the set-up dialog chooses it too).
    void setPageSize(const QPageSize &size);

    // The printer dialog: the printer and paper chosen there take every later
    // job. False, and nothing changed, when the user cancels it.
    bool showSetupDialog(QWidget *parent);

    QString lastError() const { return m_error; }
    QString lastFileName() const { return m_fileName; }

private:
    bool beginJob();
    bool startPendingPage();
    void renewDevice();
    QString nextPdfName() const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    int m_currentY = 0;
    bool m_pagePending = false;
    QString m_error;
    QString m_fileName;
};

} // namespace gallerion
