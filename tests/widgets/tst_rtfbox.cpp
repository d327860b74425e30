#include "rtf/rtfreader.h"
#include "widgets/richtextbox.h"
#include "widgets/richtextlayout.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using namespace gallerion;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

QByteArray numberedParagraphs(int count)
{
    QByteArray body = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 ";
    for (int i = 0; i < count; ++i)
        body += "Paragraph " + QByteArray::number(i) + " of the article.\\par ";
    return body + "}";
}

int inkedRows(const QImage &image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

} // namespace

// The rich-text box (loading, keeping content on failure, clicks) and the
// page-by-page layout that printing uses.
class RichTextBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void loadsAndReplaces();
    void failedLoadKeepsContent();
    void loadsFromADevice();
    void isReadOnlyAndClickable();
    void zoomScalesTheWholeDocument();
    void pagesCoverTheWholeText();
    void forcedPageBreakEndsPage();
    void pageIsDrawnInItsRectangle();
    void rightTabAtTheMarginKeepsItsLine();
};

void RichTextBoxTest::loadsAndReplaces()
{
    QTemporaryDir dir;
    const QString first = writeFile(dir, QStringLiteral("a.rtf"), "{\\rtf1 {\\b First} text}");
    const QString second = writeFile(dir, QStringLiteral("b.rtf"), "{\\rtf1 Second}");
    RichTextBox box;
    QVERIFY(box.setFileName(first));
    QCOMPARE(box.toPlainText(), QStringLiteral("First text"));
    QCOMPARE(box.fileName(), first);
    QString error;
    QVERIFY(box.setFileName(second, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(box.toPlainText(), QStringLiteral("Second"));
    QCOMPARE(box.fileName(), second);
}

void RichTextBoxTest::failedLoadKeepsContent()
{
    QTemporaryDir dir;
    const QString good = writeFile(dir, QStringLiteral("good.rtf"), "{\\rtf1 Kept}");
    const QString binary = writeFile(dir, QStringLiteral("bad.rtf"), QByteArray("GIF89a\0\0", 8));
    RichTextBox box;
    QVERIFY(box.setFileName(good));
    QString error;
    QVERIFY(!box.setFileName(dir.filePath(QStringLiteral("missing.rtf")), &error));
    QVERIFY(error.contains(QStringLiteral("missing.rtf")));
    QVERIFY(!box.setFileName(binary, &error));
    QCOMPARE(box.toPlainText(), QStringLiteral("Kept"));
    QCOMPARE(box.fileName(), good);
}

// A file inside a disc image is only a device: read from where it stands,
// named as given, and a device that cannot be read keeps what was shown.
void RichTextBoxTest::loadsFromADevice()
{
    QByteArray bytes("HEADER{\\rtf1 From {\\i a} device}");
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    device.seek(6);
    RichTextBox box;
    QVERIFY(box.load(device, QStringLiteral("/media/disc.iso/RICHTEXT/BOOKS.RTF")));
    QCOMPARE(box.toPlainText(), QStringLiteral("From a device"));
    QCOMPARE(box.fileName(), QStringLiteral("/media/disc.iso/RICHTEXT/BOOKS.RTF"));

    QBuffer closed;
    QString error;
    QVERIFY(!box.load(closed, QStringLiteral("closed.rtf"), &error));
    QVERIFY(error.startsWith(QStringLiteral("closed.rtf: ")));
    QCOMPARE(box.toPlainText(), QStringLiteral("From a device"));
    QCOMPARE(box.fileName(), QStringLiteral("/media/disc.iso/RICHTEXT/BOOKS.RTF"));
}

void RichTextBoxTest::isReadOnlyAndClickable()
{
    QTemporaryDir dir;
    RichTextBox box;
    box.resize(400, 200);
    QVERIFY(box.setFileName(writeFile(dir, QStringLiteral("t.rtf"), "{\\rtf1 Click me}")));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy clicked(&box, &RichTextBox::clicked);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicked.count(), 1);
    QTest::mouseClick(box.viewport(), Qt::RightButton, {}, QPoint(20, 10));
    QCOMPARE(clicked.count(), 1);
    QTest::keyClicks(box.viewport(), QStringLiteral("typed"));
    QCOMPARE(box.toPlainText(), QStringLiteral("Click me"));
}

void RichTextBoxTest::zoomScalesTheWholeDocument()
{
    QTemporaryDir dir;
    const QByteArray text = "{\\rtf1\\fs24 {\\li720 Indented line}\\par Second line\\par}";
    RichTextBox box;
    box.resize(600, 400);
    QVERIFY(box.setFileName(writeFile(dir, QStringLiteral("a.rtf"), text)));
    const QSizeF designed = box.document()->documentLayout()->documentSize();
    box.setZoom(2.0);
    const QSizeF zoomed = box.document()->documentLayout()->documentSize();
    QVERIFY2(qAbs(zoomed.height() / designed.height() - 2.0) < 0.2,
             qPrintable(QStringLiteral("%1 -> %2").arg(designed.height()).arg(zoomed.height())));
    // A document loaded later is drawn at the same zoom.
    QVERIFY(box.setFileName(writeFile(dir, QStringLiteral("b.rtf"), text)));
    QCOMPARE(box.document()->documentLayout()->documentSize(), zoomed);
}

void RichTextBoxTest::pagesCoverTheWholeText()
{
    QTextDocument document;
    rtf::readRtf(numberedParagraphs(200), &document);
    QImage page(400, 300, QImage::Format_RGB32);
    RichTextPages pages(document, &page, page.width());
    int position = 0;
    int count = 0;
    while (position < pages.characterCount() && count < 1000) {
        const int next = pages.renderPage(nullptr, QRectF(0, 0, 400, 300), position);
        QVERIFY2(next > position, qPrintable(QString::number(position)));
        position = next;
        ++count;
    }
    QCOMPARE(position, pages.characterCount());
    QVERIFY(count > 5);
    // A position in the middle of a line starts the page at that line.
    const int second = pages.renderPage(nullptr, QRectF(0, 0, 400, 300), 0);
    QCOMPARE(pages.renderPage(nullptr, QRectF(0, 0, 400, 300), second + 3),
             pages.renderPage(nullptr, QRectF(0, 0, 400, 300), second));
}

void RichTextBoxTest::forcedPageBreakEndsPage()
{
    QTextDocument document;
    rtf::readRtf("{\\rtf1 one\\par two\\page three\\par four}", &document);
    QImage page(400, 1000, QImage::Format_RGB32);
    const QRectF rect(0, 0, 400, 1000);
    const int next = formatRange(document, nullptr, rect, 0);
    QCOMPARE(document.toPlainText().mid(next, 5), QStringLiteral("three"));
    QCOMPARE(formatRange(document, nullptr, rect, next), document.characterCount() - 1);
}

void RichTextBoxTest::pageIsDrawnInItsRectangle()
{
    QTextDocument document;
    rtf::readRtf(numberedParagraphs(100), &document);
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRectF rect(100, 50, 400, 200);
    const int next = formatRange(document, &painter, rect, 0);
    painter.end();
    QVERIFY(next > 0 && next < document.characterCount() - 1);
    const int inside = inkedRows(image.copy(rect.toRect()));
    QVERIFY(inside > 50);
    QCOMPARE(inkedRows(image.copy(0, 0, 600, 50)), 0);
    QCOMPARE(inkedRows(image.copy(0, 250, 600, 150)), 0);
}

void RichTextBoxTest::rightTabAtTheMarginKeepsItsLine()
{
    // A table of contents written for a page (9072 twips of text) shown in a
    // box a third as wide: the page numbers stay on their lines, at the right,
    // with dot leaders before them.
    QTemporaryDir dir;
    const QString path = writeFile(
        dir, QStringLiteral("toc.rtf"),
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\paperw11906\\margl1417\\margr1417\\f0\\fs20 "
        "\\pard\\tqr\\tldot\\tx9072 Summary\\tab 2\\par"
        "\\pard\\li400\\tqr\\tldot\\tx9072 Reviews\\tab 31\\par}");
    RichTextBox box;
    box.resize(260, 120);
    box.setFrameStyle(QFrame::NoFrame);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QVERIFY(box.setFileName(path));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const qreal right = box.viewport()->width() - box.document()->documentMargin();
    for (const QString &entry : {QStringLiteral("Summary"), QStringLiteral("Reviews")}) {
        const QTextBlock block = box.document()->find(entry).block();
        QCOMPARE(block.layout()->lineCount(), 1);
        const QTextLine line = block.layout()->lineAt(0);
        QVERIFY2(line.naturalTextWidth() + line.x() > right - 12,
                 qPrintable(QString::number(line.naturalTextWidth())));
    }
    // The leader's dots are ink between the entry and its number.
    const QImage shot = box.viewport()->grab().toImage();
    const QRect firstLine = box.cursorRect(box.document()->find(QStringLiteral("Summary")));
    const QImage between = shot.copy(QRect(130, firstLine.top(), 60, firstLine.height()));
    QVERIFY(inkedRows(between) > 0);
}

QTEST_MAIN(RichTextBoxTest)
#include "tst_rtfbox.moc"
