#include "platform/printer.h"
#include "support/faultyfolder.h"
#include "support/pdfreader.h"
#include "support/tracelog.h"
#include "widgets/printrichtext.h"
#include "widgets/richtextbox.h"
#include "widgets/richtextlayout.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace gallerion;
using namespace gallerion::test;

namespace {

constexpr double InchPoints = 72;

// An article of n paragraphs in three sizes, with bold and italic runs.
QString article(int paragraphs)
{
    QString html;
    for (int i = 1; i <= paragraphs; ++i)
        html += QStringLiteral("<p style=\"font-size:%1pt\">Paragraph %2 tells of the coupe and "
                               "<b>its engine</b> in the dealer list, <i>with the price</i> of "
                               "%3 dollars and the colours of the year %4.</p>")
                    .arg(10 + 2 * (i % 3))
                    .arg(i)
                    .arg(2000 + i)
                    .arg(1964 + i % 38);
    return html;
}

// Two bands of ink in the same place, to a point: the same line of text,
// even where a printer's driver redraws the letters in fonts of its own.
bool samePlace(const QRect &a, const QRect &b)
{
    constexpr int point = 2; // pixels at 144 dpi
    return qAbs(a.left() - b.left()) <= point && qAbs(a.right() - b.right()) <= point &&
           qAbs(a.top() - b.top()) <= point && qAbs(a.bottom() - b.bottom()) <= point;
}

} // namespace

class PrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { qunsetenv("GALLERION_PRINT_DIR"); }

    void jobBecomesNumberedPdf();
    void richTextPrintsPageByPage();
    void richTextKeepsMarginsAndEveryLine_data();
    void richTextKeepsMarginsAndEveryLine();
    void emptyPictureIsRefused();
    void pictureKeepsItsOwnSizeUnlessItRunsOff();
    void faultyPrintFolderFailsTheJob_data();
    void faultyPrintFolderFailsTheJob();
    void systemQueuePrintsTheSamePages();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void PrinterTest::init()
{
    if (!pdfToolsPresent())
        QSKIP("poppler-utils is needed to read the printed pages");
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("GALLERION_PRINT_DIR", m_dir->path().toLocal8Bit());
}

void PrinterTest::jobBecomesNumberedPdf()
{
    test::TraceLog trace;
    Printer printer;
    QVERIFY(!printer.isPrinting());
    QVERIFY(printer.printLine(QStringLiteral("First page line")));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(printer.drawPicture(picture, 1440, 2880));
    QVERIFY(printer.newPage());
    QVERIFY(printer.printLine(QStringLiteral("Second page line")));
    // A page asked for last is never started: no blank page at the end.
    QVERIFY(printer.newPage());
    QVERIFY(printer.endDoc());
    const QString first = m_dir->filePath(QStringLiteral("job-0001.pdf"));
    QCOMPARE(printer.lastFileName(), first);
    QCOMPARE(pdfPages(first), 2);
    const QString text = pdfText(first);
    QVERIFY(text.contains(QStringLiteral("First page line")));
    QVERIFY(text.contains(QStringLiteral("Second page line")));

    QVERIFY(printer.printLine(QStringLiteral("again")));
    QVERIFY(printer.endDoc());
    QCOMPARE(printer.lastFileName(), m_dir->filePath(QStringLiteral("job-0002.pdf")));

    QStringList actions;
    for (const QJsonObject &line : trace.lines(QStringLiteral("print")))
        actions << line.value(QStringLiteral("action")).toString();
    QCOMPARE(actions, (QStringList{"line", "picture", "newpage", "line", "newpage", "enddoc",
                                   "line", "enddoc"}));
    QCOMPARE(trace.lines(QStringLiteral("print")).at(5).value(QStringLiteral("file")).toString(),
             first);
}

void PrinterTest::richTextPrintsPageByPage()
{
    QTextDocument document;
    QString html;
    for (int i = 1; i <= 200; ++i)
        html += QStringLiteral("<p>Paragraph %1 of the article.</p>").arg(i);
    document.setHtml(html);

    Printer printer;
    QVERIFY(printer.printLine(QStringLiteral(" ")));
    const int margin = 1440;
    const QRectF page(printer.twipsToDevice(margin - printer.physicalOffsetXTwips()),
                      printer.twipsToDevice(margin - printer.physicalOffsetYTwips()),
                      printer.twipsToDevice(printer.pageWidthTwips() - 2 * margin),
                      printer.twipsToDevice(printer.pageHeightTwips() - 2 * margin));
    RichTextPages pages(document, printer.pagePainter()->device(), page.width());
    int next = 0;
    int count = 0;
    while (true) {
        next = pages.renderPage(printer.pagePainter(), page, next);
        ++count;
        if (next >= pages.characterCount() || count > 50)
            break;
        QVERIFY(printer.newPage());
    }
    QVERIFY(printer.endDoc());
    QVERIFY(count > 1 && count < 50);
    QCOMPARE(pdfPages(printer.lastFileName()), count);
    const QString text = pdfText(printer.lastFileName());
    QVERIFY(text.contains(QStringLiteral("Paragraph 1 of")));
    QVERIFY(text.contains(QStringLiteral("Paragraph 200 of")));
}

void PrinterTest::richTextKeepsMarginsAndEveryLine_data()
{
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<bool>("onePage");
    QTest::newRow("one page, A4") << 8 << QPageSize::A4 << true;
    QTest::newRow("many pages, A4") << 160 << QPageSize::A4 << false;
    QTest::newRow("many pages, Letter") << 160 << QPageSize::Letter << false;
}

void PrinterTest::richTextKeepsMarginsAndEveryLine()
{
    QFETCH(int, paragraphs);
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(bool, onePage);
    RichTextBox box;
    box.setHtml(article(paragraphs));
    Printer printer;
    printer.setPageSize(QPageSize(paper));
    QVERIFY(PrintRichText(printer, *box.document(), 1440, 1440, 1440, 1440));

    const QString file = printer.lastFileName();
    const int pages = pdfPages(file);
    QVERIFY(onePage ? pages == 1 : pages > 2);
    // Every word shows once, in order: no line lost or doubled at a page break.
    QCOMPARE(
        pdfWordsBetween(file, InchPoints),
        box.toPlainText().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts));

    const QSizeF size = QPageSize(paper).size(QPageSize::Point);
    const QList<PdfPage> printed = pdfPageWords(file);
    QCOMPARE(printed.size(), pages);
    for (int page = 0; page < pages; ++page) {
        QVERIFY(qAbs(printed[page].size.width() - size.width()) < 1);
        QRectF used;
        for (const PdfWord &word : printed[page].words) {
            // Clipped text of the neighbouring pages lies above and below the margins.
            if (word.box.top() >= InchPoints - 1 &&
                word.box.bottom() <= size.height() - InchPoints + 1)
                used = used.isNull() ? word.box : used.united(word.box);
        }
        // An inch of paper at either side; the text starts right at the top margin.
        QVERIFY2(used.left() >= InchPoints - 0.5 && used.left() < InchPoints + 4,
                 qPrintable(QString::number(used.left())));
        QVERIFY(used.right() <= size.width() - InchPoints + 0.5);
        QVERIFY2(used.top() < InchPoints + 8, qPrintable(QString::number(used.top())));
        // Every page but the last is filled down to the bottom margin.
        if (page + 1 < pages)
            QVERIFY2(used.bottom() > size.height() - InchPoints - 30,
                     qPrintable(QString::number(used.bottom())));
    }
}

void PrinterTest::emptyPictureIsRefused()
{
    Printer printer;
    QVERIFY(!printer.drawPicture(QImage(), 0, 0));
    QVERIFY(!printer.lastError().isEmpty());
    QVERIFY(!printer.isPrinting());
    QVERIFY(printer.endDoc()); // nothing open: harmless
}

void PrinterTest::pictureKeepsItsOwnSizeUnlessItRunsOff()
{
    Printer printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    // 15 twips to the pixel while it fits.
    QCOMPARE(printer.pictureRectTwips(QSize(200, 100), 1000, 2000), QRect(1000, 2000, 3000, 1500));
    // Too wide: it fills the width left of the printable area, proportions kept.
    const QRect wide = printer.pictureRectTwips(QSize(4000, 1000), 1000, 2000);
    QCOMPARE(wide.topLeft(), QPoint(1000, 2000));
    QVERIFY(qAbs(wide.right() + 1 - printer.printableWidthTwips()) <= 1);
    QVERIFY(qAbs(wide.width() - 4 * wide.height()) <= 4);
    // Too tall: it fits the height left.
    const QRect tall = printer.pictureRectTwips(QSize(1000, 10000), 0, 3000);
    QVERIFY(qAbs(tall.bottom() + 1 - printer.printableHeightTwips()) <= 1);
    QVERIFY(tall.width() < printer.printableWidthTwips());
}

void PrinterTest::faultyPrintFolderFailsTheJob_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("read-only") << QStringLiteral("read-only");
    QTest::newRow("full") << QStringLiteral("full");
}

// No job that did not reach the folder whole is reported as printed, and no
// torn file is left to pass for one.
void PrinterTest::faultyPrintFolderFailsTheJob()
{
    QFETCH(QString, fault);
    std::unique_ptr<FaultyFolder> faulty;
    QString folder = m_dir->filePath(QStringLiteral("gone"));
    if (fault != QLatin1String("missing")) {
        faulty = std::make_unique<FaultyFolder>(fault == QLatin1String("full")
                                                    ? FaultyFolder::Fault::Full
                                                    : FaultyFolder::Fault::ReadOnly);
        if (!faulty->available())
            QSKIP("cannot make such a folder here");
        folder = faulty->path();
    }
    qputenv("GALLERION_PRINT_DIR", QFile::encodeName(folder));
    RichTextBox box;
    box.setHtml(article(40));
    Printer printer;
    QVERIFY(!PrintRichText(printer, *box.document(), 1440, 1440, 1440, 1440));
    QVERIFY(!printer.lastError().isEmpty());
    QVERIFY(!printer.isPrinting());
    QCOMPARE(printedJobs(folder), QStringList());

    // The printer is free again: a working folder takes the next job.
    faulty.reset();
    qputenv("GALLERION_PRINT_DIR", m_dir->path().toLocal8Bit());
    QVERIFY2(PrintRichText(printer, *box.document(), 1440, 1440, 1440, 1440),
             qPrintable(printer.lastError()));
    QVERIFY(pdfPages(printer.lastFileName()) > 1);
}

// Runs only against a CUPS queue that writes PDF files into the folder named
// by GALLERION_CUPS_OUT: tools/cups-print-check.sh starts one and runs this.
void PrinterTest::systemQueuePrintsTheSamePages()
{
    const QString queueFolder = qEnvironmentVariable("GALLERION_CUPS_OUT");
    if (queueFolder.isEmpty())
        QSKIP("needs a CUPS queue that writes PDF files (tools/cups-print-check.sh)");
    const QDir queueOutput(queueFolder);
    RichTextBox box;
    box.setHtml(article(160));
    Printer toFile;
    toFile.setPageSize(QPageSize(QPageSize::A4));
    QVERIFY(PrintRichText(toFile, *box.document(), 1440, 1440, 1440, 1440));
    const QString expected = toFile.lastFileName();

    qunsetenv("GALLERION_PRINT_DIR");
    Printer queue;
    queue.setPageSize(QPageSize(QPageSize::A4));
    QVERIFY2(PrintRichText(queue, *box.document(), 1440, 1440, 1440, 1440),
             qPrintable(queue.lastError()));
    const auto queued = [&queueOutput] {
        const QStringList files = queueOutput.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        return files.size() == 1 ? queueOutput.filePath(files.constFirst()) : QString();
    };
    // The queue's own filters and driver write the file a while after the job is sent.
    QTRY_COMPARE_WITH_TIMEOUT(pdfPages(queued()), pdfPages(expected), 60000);

    // The same lines at the same places, page by page.
    const QList<QImage> want = pdfPageImages(expected, 144);
    const QList<QImage> got = pdfPageImages(queued(), 144);
    QCOMPARE(got.size(), want.size());
    for (qsizetype page = 0; page < want.size(); ++page) {
        const QList<QRect> wantLines = inkBands(want[page]);
        const QList<QRect> gotLines = inkBands(got[page]);
        QCOMPARE(gotLines.size(), wantLines.size());
        for (qsizetype line = 0; line < wantLines.size(); ++line)
            QVERIFY2(samePlace(gotLines[line], wantLines[line]),
                     qPrintable(QStringLiteral("page %1, line %2").arg(page + 1).arg(line + 1)));
    }
}

QTEST_MAIN(PrinterTest)
#include "tst_printer.moc"
