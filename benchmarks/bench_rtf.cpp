// Times reading a large formatted RTF file and laying it out at the viewer's
// width, against unrtf converting the same file to HTML.

#include "platform/rtf/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace gallerion;

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

double medianMs(const std::function<void()> &work)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[runs / 2];
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
    const double ours = medianMs([&] {
        QTextDocument document;
        QString error;
        rtf::readRtfFile(path, &document, &error);
        document.setTextWidth(viewerWidth);
        document.documentLayout()->documentSize();
        blocks = document.blockCount();
    });
    const double readOnly = medianMs([&] {
        QTextDocument document;
        QString error;
        rtf::readRtfFile(path, &document, &error);
    });
    const double unrtf = medianMs([&] {
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
    return 0;
}
