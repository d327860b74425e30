#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace gallerion::test {

// What poppler's tools read from a printed PDF.
bool pdfToolsPresent();
int pdfPages(const QString &file);
// The text in reading order, pages separated by form feeds.
QString pdfText(const QString &file);
// The words one after the other, whitespace and page breaks dropped.
QStringList pdfWords(const QString &file);
// Every word with its box, in points from the top-left of its page.
struct PdfWord
{
    QString text;
    QRectF box;
};
struct PdfPage
{
    QSizeF size;
    QList<PdfWord> words;
};
QList<PdfPage> pdfPageWords(const QString &file);
// The words that show between top and bottom margins (points): text that a
// page's clip hides still lies in the file, outside them.
QStringList pdfWordsBetween(const QString &file, double margin);
// Each page drawn in grey at the given resolution.
QList<QImage> pdfPageImages(const QString &file, int dpi);
// The bands of rows with ink on a grey page, top to bottom, each as wide as
// its ink: the lines of text, whatever font drew them.
QList<QRect> inkBands(const QImage &page);
// How many pictures the PDF draws.
int pdfImageCount(const QString &file);
// The pixel size of each picture the PDF holds, in order.
QList<QSize> pdfImageSizes(const QString &file);

// The job-NNNN.pdf files of a print folder, in order.
QStringList printedJobs(const QString &folder);

} // namespace gallerion::test
