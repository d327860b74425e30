#include "rtf/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <random>

using namespace gallerion;

namespace {

QString readPlain(const QByteArray &data, bool *ok = nullptr)
{
    QTextDocument document;
    const rtf::ReadResult result = rtf::readRtf(data, &document);
    if (ok)
        *ok = result.ok;
    return document.toPlainText();
}

QByteArray sampleFile()
{
    QFile file(QStringLiteral(GALLERION_SAMPLE_DISC_DIR "/disc/richtext/64.rtf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Damaged and hostile input: every case gives a document (or a failure) and
// returns; none may crash, hang or grow without bound.
class RtfRobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void deepNestingIsFlattened();
    void deepDestinationsAreSkipped();
    void unbalancedBraces_data();
    void unbalancedBraces();
    void truncatedFilesKeepTheirStart();
    void absurdNumbersAreClamped();
    void hugeBinaryCountStopsAtTheEnd();
    void brokenEscapes_data();
    void brokenEscapes();
    void cellFloodIsCapped();
    void raggedRowsStayWithinTheColumnCap();
    void hugePictureGoalIsCapped();
    void randomBytesAfterHeader();
};

void RtfRobustnessTest::deepNestingIsFlattened()
{
    const QByteArray data =
        "{\\rtf1 " + QByteArray(100000, '{') + "\\b deep" + QByteArray(100000, '}') + " after}";
    QCOMPARE(readPlain(data), QStringLiteral("deep after"));
    // The same without the closing braces: all text up to the end still shows.
    QCOMPARE(readPlain("{\\rtf1 " + QByteArray(100000, '{') + "open"), QStringLiteral("open"));
}

void RtfRobustnessTest::deepDestinationsAreSkipped()
{
    QByteArray nested;
    for (int i = 0; i < 20000; ++i)
        nested += "{\\*\\x ";
    QCOMPARE(readPlain("{\\rtf1 a" + nested + "hidden" + QByteArray(20000, '}') + "b}"),
             QStringLiteral("ab"));
}

void RtfRobustnessTest::unbalancedBraces_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("extra close ends document")
        << QByteArray("{\\rtf1 a}b}c") << QStringLiteral("a");
    QTest::newRow("close inside") << QByteArray("{\\rtf1 {a}}}}b") << QStringLiteral("a");
    QTest::newRow("never closed") << QByteArray("{\\rtf1 {{{a") << QStringLiteral("a");
    QTest::newRow("only header") << QByteArray("{\\rtf") << QString();
    QTest::newRow("lone backslash") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("empty skipped group at end")
        << QByteArray("{\\rtf1 a{\\*\\x") << QStringLiteral("a");
}

void RtfRobustnessTest::unbalancedBraces()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    bool ok = false;
    QCOMPARE(readPlain(data, &ok), expected);
    QVERIFY(ok);
}

void RtfRobustnessTest::truncatedFilesKeepTheirStart()
{
    const QByteArray whole = sampleFile();
    QVERIFY(whole.size() > 2000);
    const QString full = readPlain(whole);
    for (const qsizetype cut :
         {qsizetype(7), whole.size() / 3, whole.size() / 2, whole.size() - 3}) {
        const QString part = readPlain(whole.left(cut));
        // A cut may split a word or a picture, so compare all but the last few characters.
        QVERIFY2(full.startsWith(part.left(qMax<qsizetype>(0, part.size() - 20))),
                 qPrintable(QString::number(cut)));
    }
}

void RtfRobustnessTest::absurdNumbersAreClamped()
{
    QTextDocument document;
    rtf::readRtf("{\\rtf1\\fs999999999999 big\\par\\fs-5 small\\par\\li99999999999\\fi-999999999999"
                 "\\sl-99999999999\\tx99999999999 indented\\par\\f99999999999\\cf4294967296"
                 "\\uc99999999 \\u99999999999 x\\u-99999999999 y\\'ff}",
                 &document);
    QCOMPARE(document.find(QStringLiteral("big")).charFormat().fontPointSize(), 1638.0);
    QCOMPARE(document.find(QStringLiteral("small")).charFormat().fontPointSize(), 2.0);
    const QTextBlockFormat block = document.find(QStringLiteral("indented")).blockFormat();
    QCOMPARE(block.leftMargin(), 31680 / 15.0);
    QCOMPARE(block.textIndent(), -31680 / 15.0);
    QVERIFY(document.toPlainText().contains(QStringLiteral("indented")));
}

void RtfRobustnessTest::hugeBinaryCountStopsAtTheEnd()
{
    bool ok = false;
    QCOMPARE(readPlain("{\\rtf1 a{\\pict\\pngblip\\bin2147483647 tail}", &ok), QStringLiteral("a"));
    QVERIFY(ok);
    QCOMPARE(readPlain("{\\rtf1 a\\bin99999999999999999999 }}}}"), QStringLiteral("a"));
    QCOMPARE(readPlain("{\\rtf1 a\\bin-5 b}"), QStringLiteral("ab"));
}

void RtfRobustnessTest::brokenEscapes_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << QStringLiteral("azzb");
    QTest::newRow("short hex") << QByteArray("{\\rtf1 a\\'4") << QStringLiteral("a4");
    QTest::newRow("many bad hex") << QByteArray("{\\rtf1 " + QByteArray("\\'q").repeated(50000) +
                                                "}")
                                  << QString(50000, QLatin1Char('q'));
    QTest::newRow("long word") << QByteArray("{\\rtf1 \\" + QByteArray(100000, 'a') + " b}")
                               << QStringLiteral("b");
    QTest::newRow("control bytes")
        << QByteArray("{\\rtf1 a\x01\x02\x7f", 11) + QByteArray(1, '\0') + "b}"
        << QStringLiteral("a\x7f"
                          "b");
}

void RtfRobustnessTest::brokenEscapes()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QCOMPARE(readPlain(data), expected);
}

void RtfRobustnessTest::cellFloodIsCapped()
{
    QTextDocument document;
    rtf::readRtf("{\\rtf1\\intbl " + QByteArray("x\\cell ").repeated(5000) + "\\row}", &document);
    QTextTable *table = nullptr;
    for (QTextFrame *frame : document.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(frame);
    QVERIFY(table);
    QCOMPARE(table->rows(), 1);
    QCOMPARE(table->columns(), 64);
    QCOMPARE(document.toPlainText().count(QLatin1Char('x')), 5000);
}

// Every cell of the grid must belong to a cell that covers it, or Qt's
// layout reads freed memory.
void verifyConsistent(QTextTable *table)
{
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            QVERIFY(cell.column() <= c && c < cell.column() + cell.columnSpan());
            QVERIFY(cell.row() <= r && r < cell.row() + cell.rowSpan());
        }
    }
}

void RtfRobustnessTest::raggedRowsStayWithinTheColumnCap()
{
    // Every row has cells on boundaries no other row has, some backwards,
    // some merged into nothing, some merged down past the table's start;
    // and cells without a row definition before a row with one.
    std::mt19937 random(18);
    QByteArray rtf = "{\\rtf1 \\cell\\cell\\row\\cellx6000\\cell\\row ";
    for (int row = 0; row < 300; ++row) {
        rtf += "\\trowd";
        for (int cell = 0; cell < 1 + int(random() % 70); ++cell) {
            static const char *flags[] = {"", "\\clmrg", "\\clvmrg", "\\clmgf", ""};
            rtf += flags[random() % 5] + QByteArray("\\cellx") +
                   QByteArray::number(int(random() % 20000) - 1000);
        }
        rtf += "\\intbl " + QByteArray("t\\cell ").repeated(int(random() % 80)) + "\\row ";
    }
    QTextDocument document;
    rtf::readRtf(rtf + "}", &document);
    QTextTable *table = nullptr;
    for (QTextFrame *frame : document.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(frame);
    QVERIFY(table);
    QVERIFY(table->columns() <= 64);
    QCOMPARE(table->rows(), 302);
    verifyConsistent(table);
    document.setTextWidth(520);
    QVERIFY(document.documentLayout()->documentSize().height() > 0);
}

void RtfRobustnessTest::hugePictureGoalIsCapped()
{
    QTextDocument document;
    rtf::readRtf("{\\rtf1{\\pict\\wmetafile8\\picwgoal2147483647\\pichgoal99999999999 00}}",
                 &document);
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    const QTextImageFormat image = cursor.charFormat().toImageFormat();
    QCOMPARE(image.width(), 4000.0);
    QCOMPARE(image.height(), 4000.0);
}

void RtfRobustnessTest::randomBytesAfterHeader()
{
    std::mt19937 random(2001);
    for (int round = 0; round < 50; ++round) {
        QByteArray data = "{\\rtf1 ";
        for (int i = 0; i < 20000; ++i)
            data += char(random() % 256);
        bool ok = false;
        readPlain(data, &ok);
        QVERIFY(ok);
    }
}

QTEST_MAIN(RtfRobustnessTest)
#include "tst_rtfrobustness.moc"
