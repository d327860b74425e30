// Times reading a large formatted RTF file and laying it out at the viewer's
// width, against unrtf converting the same file to HTML; then a document of
// 40 metafile pictures (charts drawn with lines and text, and photos wrapped
// in metafiles), per page of print.

#include "measure.h"
#include "rtf/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextStream>
#include <QtMath>

#include <algorithm>
#include <functional>

using namespace gallerion;
using namespace gallerion::bench;

namespace {

constexpr int runs = 5;
constexpr qreal viewerWidth = 520;

QByteArray header()
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}"
           "{\\f1\\fswiss Arial;}{\\f2\\fmodern Courier New;}}"
           "{\\colortbl "
           ";\\red128\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green128\\blue0;}\r\n";
}

QByteArray paragraph(int i)
{
    const QByteArray n = QByteArray::number(i);
    return "\\pard\\qj\\fi360\\sa120\\f" + QByteArray::number(i % 3) + "\\fs" +
           QByteArray::number(18 + 2 * (i % 4)) + " Paragraph " + n +
           " tells of the coup\\'e9 and its engine. {\\b bold run " + n +
           "} then {\\i an italic one} and \\cf" + QByteArray::number(1 + i % 3) +
           " a coloured part\\cf0  with \\ul underlining\\ulnone , and the price of $" + n +
           " in the dealer\\rquote s list.\\par\r\n";
}

QByteArray table(int i)
{
    QByteArray out;
    for (int row = 0; row < 4; ++row) {
        out += "\\trowd\\trgaph108\\cellx2600\\cellx5200\\cellx7800\\pard\\intbl\\f1\\fs20 ";
        for (int cell = 0; cell < 3; ++cell)
            out += "Cell " + QByteArray::number(i) + "." + QByteArray::number(row * 3 + cell) +
                   "\\cell ";
        out += "\\row\r\n";
    }
    return out + "\\pard\\par\r\n";
}

QByteArray largeDocument(qsizetype minimumSize)
{
    QByteArray rtf = header();
    for (int i = 0; rtf.size() < minimumSize; ++i)
        rtf += i % 20 == 19 ? table(i) : paragraph(i);
    return rtf + "}";
}

QByteArray le16(int value)
{
    return QByteArray(1, char(value & 0xff)) + char((value >> 8) & 0xff);
}

QByteArray le32(qint64 value)
{
    return le16(int(value & 0xffff)) + le16(int((value >> 16) & 0xffff));
}

QByteArray wmfRecord(int function, const QByteArray &parameters)
{
    return le32((6 + parameters.size()) / 2) + le16(function) + parameters;
}

QByteArray wmf(const QByteArray &records)
{
    const QByteArray body = records + wmfRecord(0, {});
    return le16(1) + le16(9) + le16(0x300) + le32((18 + body.size()) / 2) + le16(8) + le32(0x4000) +
           le16(0) + body;
}

// A line chart like those of the era's reports: axes, a 300-point curve, labels.
QByteArray chartMetafile(int seed)
{
    QByteArray r =
        wmfRecord(0x020B, le16(0) + le16(0)) + wmfRecord(0x020C, le16(6000) + le16(9000));
    r += wmfRecord(0x02FA, le16(0) + le16(20) + le16(0) + le32(0x000000));
    r += wmfRecord(0x02FB, le16(-240) + QByteArray(16, '\0') + "Arial" + QByteArray(27, '\0'));
    r += wmfRecord(0x012D, le16(0)) + wmfRecord(0x012D, le16(1));
    r += wmfRecord(0x0214, le16(5500) + le16(500)) + wmfRecord(0x0213, le16(5500) + le16(8800));
    QByteArray points = le16(300);
    for (int i = 0; i < 300; ++i)
        points += le16(500 + i * 27) + le16(5000 - (i * 13 + seed * 97) % 4500);
    r += wmfRecord(0x0325, points);
    for (int i = 0; i < 10; ++i)
        r += wmfRecord(0x0521, le16(4) + QByteArray::number(1000 + i * 100) + le16(5800) +
                                   le16(500 + i * 800));
    return wmf(r);
}

// A 240 x 160 photo wrapped in a metafile, as pasting into a word processor makes it.
QByteArray photoMetafile(int seed)
{
    constexpr int width = 240;
    constexpr int height = 160;
    QByteArray dib = le32(40) + le32(width) + le32(height) + le16(1) + le16(24) + le32(0) +
                     le32(width * height * 3) + le32(0) + le32(0) + le32(0) + le32(0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            dib += char(x + seed) + QByteArray(1, char(y)) + char((x * y) >> 6);
    }
    return wmf(wmfRecord(0x020C, le16(height) + le16(width)) +
               wmfRecord(0x0F43, le32(0x00CC0020) + le16(0) + le16(height) + le16(width) + le16(0) +
                                     le16(0) + le16(height) + le16(width) + le16(0) + le16(0) +
                                     dib));
}

QByteArray pictureDocument()
{
    QByteArray rtf = header();
    for (int i = 0; i < 40; ++i) {
        rtf += paragraph(i);
        const QByteArray metafile = i % 2 ? photoMetafile(i) : chartMetafile(i);
        rtf += "{\\pict\\wmetafile8\\picw12700\\pich8467\\picwgoal7200\\pichgoal4800 " +
               metafile.toHex() + "}\\par\r\n";
    }
    return rtf + "}";
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTextStream out(stdout);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.rtf"));
    const QByteArray rtf = largeDocument(2 * 1024 * 1024);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return 1;
    file.close();

    int blocks = 0;
    const double ours = medianMilliseconds(runs, [&] {
        QTextDocument document;
        QString error;
        rtf::readRtfFile(path, &document, &error);
        document.setTextWidth(viewerWidth);
        document.documentLayout()->documentSize();
        blocks = document.blockCount();
    });
    const double readOnly = medianMilliseconds(runs, [&] {
        QTextDocument document;
        QString error;
        rtf::readRtfFile(path, &document, &error);
    });
    const double unrtf = medianMilliseconds(runs, [&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
        process.waitForFinished(-1);
    });

    out << "file: " << rtf.size() / 1024 << " KiB, " << blocks << " blocks, median of " << runs
        << " runs\n";
    out << "readRtf + layout at " << viewerWidth << " px: " << ours << " ms (read alone "
        << readOnly << " ms)\n";
    out << "unrtf --html:                  " << unrtf << " ms\n";
    out << "ratio unrtf / ours: " << unrtf / ours << "\n";

    // Pages as printed: A4 text height at the screen's 96 pixels to the inch.
    constexpr qreal pageHeight = 960;
    const QByteArray pictures = pictureDocument();
    qreal height = 0;
    const double picturesMs = medianMilliseconds(runs, [&] {
        QTextDocument document;
        rtf::readRtf(pictures, &document);
        document.setTextWidth(viewerWidth);
        height = document.documentLayout()->documentSize().height();
    });
    const int pages = qMax(1, qCeil(height / pageHeight));
    out << "40 metafile pictures, " << pictures.size() / 1024 << " KiB, " << pages
        << " pages: " << picturesMs << " ms, " << picturesMs / pages << " ms per page\n";
    return 0;
}
