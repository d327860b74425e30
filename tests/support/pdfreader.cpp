#include "support/pdfreader.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace gallerion::test {

namespace {

QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool pdfToolsPresent()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

int pdfPages(const QString &file)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(run(QStringLiteral("pdfinfo"), {file})).captured(1).toInt();
}

QString pdfText(const QString &file)
{
    return run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
}

QStringList pdfWords(const QString &file)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return pdfText(file).split(space, Qt::SkipEmptyParts);
}

QList<PdfPage> pdfPageWords(const QString &file)
{
    QList<PdfPage> pages;
    QXmlStreamReader xml(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")}));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&a](const char *name) {
            return a.value(QLatin1String(name)).toDouble();
        };
        if (xml.name() == QLatin1String("page")) {
            pages.append({QSizeF(number("width"), number("height")), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QRectF box(QPointF(number("xMin"), number("yMin")),
                             QPointF(number("xMax"), number("yMax")));
            pages.last().words.append({xml.readElementText(), box});
        }
    }
    return pages;
}

QStringList pdfWordsBetween(const QString &file, double margin)
{
    QStringList words;
    for (const PdfPage &page : pdfPageWords(file)) {
        for (const PdfWord &word : page.words) {
            if (word.box.top() >= margin - 1 &&
                word.box.bottom() <= page.size.height() - margin + 1)
                words.append(word.text);
        }
    }
    return words;
}

QList<QImage> pdfPageImages(const QString &file, int dpi)
{
    QTemporaryDir dir;
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi), file,
         dir.filePath(QStringLiteral("page"))});
    QList<QImage> pages;
    const QDir folder(dir.path());
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
        pages.append(QImage(folder.filePath(name)).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

QList<QRect> inkBands(const QImage &page)
{
    constexpr int ink = 128;
    QList<QRect> bands;
    bool inBand = false;
    for (int y = 0; y < page.height(); ++y) {
        const uchar *line = page.constScanLine(y);
        int left = page.width();
        int right = -1;
        for (int x = 0; x < page.width(); ++x) {
            if (line[x] < ink) {
                left = qMin(left, x);
                right = x;
            }
        }
        if (right < 0) {
            inBand = false;
            continue;
        }
        const QRect row(left, y, right - left + 1, 1);
        if (inBand)
            bands.last() |= row;
        else
            bands.append(row);
        inBand = true;
    }
    return bands;
}

namespace {

// Two heading lines, then one line per picture: page, number, type, width, height, ...
QStringList pictureLines(const QString &file)
{
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(2);
}

} // namespace

int pdfImageCount(const QString &file)
{
    return int(pictureLines(file).size());
}

QList<QSize> pdfImageSizes(const QString &file)
{
    QList<QSize> sizes;
    for (const QString &line : pictureLines(file)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        sizes.append(QSize(fields.value(3).toInt(), fields.value(4).toInt()));
    }
    return sizes;
}

QStringList printedJobs(const QString &folder)
{
    QStringList jobs;
    const QDir dir(folder);
    for (const QString &name :
         dir.entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name))
        jobs.append(dir.filePath(name));
    return jobs;
}

} // namespace gallerion::test
