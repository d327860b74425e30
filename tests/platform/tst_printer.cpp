#include "platform/printer.h"
#include "platform/richtextlayout.h"
#include "support/tracelog.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace gallerion;

namespace {

// Page count and text of a PDF, read with poppler's tools.
int pdfPages(const QString &file)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    info.waitForFinished();
    const QString out = QString::fromLocal8Bit(info.readAllStandardOutput());
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(out).captured(1).toInt();
}

QString pdfText(const QString &file)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    text.waitForFinished();
    return QString::fromLocal8Bit(text.readAllStandardOutput());
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
    void emptyPictureIsRefused();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void PrinterTest::init()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
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
    QCOMPARE(actions,
             (QStringList{"line", "picture", "newpage", "line", "enddoc", "line", "enddoc"}));
    QCOMPARE(trace.lines(QStringLiteral("print")).at(4).value(QStringLiteral("file")).toString(),
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
    RichTextPages pages(document, printer.painter()->device(), page.width());
    int next = 0;
    int count = 0;
    while (true) {
        next = pages.renderPage(printer.painter(), page, next);
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

void PrinterTest::emptyPictureIsRefused()
{
    Printer printer;
    QVERIFY(!printer.drawPicture(QImage(), 0, 0));
    QVERIFY(!printer.lastError().isEmpty());
    QVERIFY(!printer.isPrinting());
    QVERIFY(printer.endDoc()); // nothing open: harmless
}

QTEST_MAIN(PrinterTest)
#include "tst_printer.moc"
