#include "rtf/rtfreader.h"
#include "rtf/rtftabs.h"

#include <QBuffer>
#include <QFontInfo>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace gallerion;

namespace {

QByteArray wrap(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}"
           "{\\f1\\fswiss Arial;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}" +
           body + "}";
}

QString plain(const QByteArray &data)
{
    QTextDocument document;
    const rtf::ReadResult result = rtf::readRtf(data, &document);
    return result.ok ? document.toPlainText() : QStringLiteral("<failed>");
}

// The format of the first character of the first occurrence of word.
QTextCharFormat formatOf(const QTextDocument &document, const QString &word)
{
    const QTextCursor found = document.find(word);
    if (found.isNull())
        return {};
    QTextCursor cursor(found);
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument &document, const QString &word)
{
    return document.find(word).blockFormat();
}

QTextTable *firstTable(const QTextDocument &document)
{
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    }
    return nullptr;
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

// Reading rich text into a document: text, character and paragraph formats,
// tables, pictures, code pages and Unicode.
class RtfReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void specialCharacters_data();
    void specialCharacters();
    void destinationsAreSkipped_data();
    void destinationsAreSkipped();
    void fontsAndSizes();
    void missingFontsFallBack_data();
    void missingFontsFallBack();
    void symbolFonts_data();
    void symbolFonts();
    void boldItalicUnderlineStrike();
    void colours();
    void superAndSubscript();
    void plainResetsCharacterFormat();
    void groupsRestoreFormat();
    void hiddenTextIsDropped();
    void paragraphAlignmentAndIndents();
    void spacingAndTabStops();
    void tabStopsFromTheMargin_data();
    void tabStopsFromTheMargin();
    void pardResetsParagraphFormat();
    void pageBreakStartsNewPage();
    void codePages_data();
    void codePages();
    void fontCharsetChoosesCodePage();
    void multiByteCodePage();
    void unicodeWithFallback_data();
    void unicodeWithFallback();
    void fieldShowsResult();
    void simpleTable();
    void tableFollowedByText();
    void rowsWithOtherCells();
    void nestedTableKeepsText();
    void pngPicture();
    void metafileBecomesBlankOfGoalSize();
    void binaryPictureData();
    void plainTextFallback();
    void footnotesFollowTheText();
    void binaryDataFails();
};

void RtfReaderTest::specialCharacters_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    QTest::newRow("escaped braces") << QByteArray("a\\{b\\}c\\\\d") << QStringLiteral("a{b}c\\d");
    QTest::newRow("nbsp") << QByteArray("a\\~b") << QStringLiteral("a b"); // toPlainText: space
    QTest::newRow("soft hyphen") << QByteArray("a\\-b") << QStringLiteral("a\u00adb");
    QTest::newRow("nb hyphen") << QByteArray("a\\_b") << QStringLiteral("a\u2011b");
    QTest::newRow("dashes") << QByteArray("a\\emdash b\\endash c")
                            << QStringLiteral("a\u2014b\u2013c");
    QTest::newRow("quotes") << QByteArray("\\lquote x\\rquote \\ldblquote y\\rdblquote ")
                            << QStringLiteral("\u2018x\u2019\u201cy\u201d");
    QTest::newRow("bullet") << QByteArray("\\bullet  item") << QStringLiteral("\u2022 item");
    QTest::newRow("tab") << QByteArray("a\\tab b") << QStringLiteral("a\tb");
    QTest::newRow("line") << QByteArray("a\\line b") << QStringLiteral("a\nb");
    QTest::newRow("par") << QByteArray("a\\par b") << QStringLiteral("a\nb");
    QTest::newRow("backslash newline") << QByteArray("a\\\nb") << QStringLiteral("a\nb");
    QTest::newRow("line breaks in source") << QByteArray("a\r\nb c") << QStringLiteral("ab c");
    QTest::newRow("delimiting space") << QByteArray("\\b  two") << QStringLiteral(" two");
}

void RtfReaderTest::specialCharacters()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    QCOMPARE(plain(wrap(body)), expected);
}

void RtfReaderTest::destinationsAreSkipped_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("starred unknown") << QByteArray("{\\*\\zzunknown hidden {deep} text}");
    QTest::newRow("info") << QByteArray("{\\info{\\title hidden}{\\author hidden}}");
    QTest::newRow("stylesheet") << QByteArray("{\\stylesheet{\\s0 hidden;}{\\s1 hidden;}}");
    QTest::newRow("header and footer") << QByteArray("{\\header hidden}{\\footer hidden}");
    QTest::newRow("generator") << QByteArray("{\\*\\generator hidden;}");
    QTest::newRow("binary inside skipped") << QByteArray("{\\*\\zz \\bin6 }}}{{{ hidden}");
    QTest::newRow("object keeps result")
        << QByteArray("{\\object{\\*\\objdata 0102hidden}{\\result shown}}");
    QTest::newRow("unicode pair") << QByteArray("{\\upr{hidden}{\\*\\ud{shown}}}");
    QTest::newRow("non-picture fallback")
        << QByteArray("{\\*\\shppict{\\pict\\wmetafile8 00}}{\\nonshppict{hidden}}shown");
}

void RtfReaderTest::destinationsAreSkipped()
{
    QFETCH(QByteArray, body);
    const QString text = plain(wrap("before " + body + " after"));
    QVERIFY2(!text.contains(QStringLiteral("hidden")), qPrintable(text));
    QVERIFY2(text.startsWith(QStringLiteral("before ")), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("after")), qPrintable(text));
    if (body.contains("shown"))
        QVERIFY2(text.contains(QStringLiteral("shown")), qPrintable(text));
}

void RtfReaderTest::fontsAndSizes()
{
    QTextDocument document;
    rtf::readRtf(wrap("serif {\\f1\\fs36 sans} \\fs17 small"), &document);
    QCOMPARE(formatOf(document, QStringLiteral("serif")).fontFamilies().toStringList().first(),
             QStringLiteral("Times New Roman"));
    QCOMPARE(formatOf(document, QStringLiteral("serif")).fontPointSize(), 12.0);
    QCOMPARE(formatOf(document, QStringLiteral("sans")).fontFamilies().toStringList().first(),
             QStringLiteral("Arial"));
    QCOMPARE(formatOf(document, QStringLiteral("sans")).fontPointSize(), 18.0);
    QCOMPARE(formatOf(document, QStringLiteral("small")).fontPointSize(), 8.5);
}

void RtfReaderTest::missingFontsFallBack_data()
{
    QTest::addColumn<QByteArray>("font");
    QTest::addColumn<QString>("shownAs");
    QTest::newRow("metric twin") << QByteArray("\\froman Times New Roman")
                                 << QStringLiteral("Liberation Serif");
    QTest::newRow("Calibri") << QByteArray("\\fswiss Calibri") << QStringLiteral("Carlito");
    QTest::newRow("Cambria") << QByteArray("\\froman Cambria") << QStringLiteral("Caladea");
    QTest::newRow("code-page suffix")
        << QByteArray("\\fswiss\\fcharset238 Arial CE") << QStringLiteral("Liberation Sans");
    QTest::newRow("Cyrillic suffix") << QByteArray("\\fmodern\\fcharset204 Courier New Cyr")
                                     << QStringLiteral("Liberation Mono");
    QTest::newRow("family hint") << QByteArray("\\fswiss Zarvick Grotesk")
                                 << QStringLiteral("Liberation Sans");
    QTest::newRow("panose of a serif")
        << QByteArray("\\fnil{\\*\\panose 02040503050406030204}Zarvick Book")
        << QStringLiteral("Liberation Serif");
    QTest::newRow("panose of a fixed pitch")
        << QByteArray("\\fnil{\\*\\panose 020b0609020204030204}Zarvick Type")
        << QStringLiteral("Liberation Mono");
}

void RtfReaderTest::missingFontsFallBack()
{
    QFETCH(QByteArray, font);
    QFETCH(QString, shownAs);
    QTextDocument document;
    rtf::readRtf("{\\rtf1{\\fonttbl{\\f0" + font + ";}}\\f0 text}", &document);
    const QTextCharFormat format = formatOf(document, QStringLiteral("text"));
    QVERIFY(format.fontFamilies().toStringList().contains(shownAs));
    QCOMPARE(QFontInfo(format.font()).family(), shownAs);
}

void RtfReaderTest::symbolFonts_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Symbol letters")
        << QByteArray("\\f2 a b g D \\'b7") << QStringLiteral("\u03b1 \u03b2 \u03b3 \u0394 \u2022");
    QTest::newRow("private-use codes")
        << QByteArray("\\f2\\u-3999?\\u61617?") << QStringLiteral("\u03b1\u00b1");
    QTest::newRow("Wingdings") << QByteArray("\\f3 J\\'fc") << QStringLiteral("\u263a\u2713");
    QTest::newRow("other fonts keep letters")
        << QByteArray("\\f0 a\\u61514?") << QStringLiteral("a\uf04a");
    QTest::newRow("list bullet")
        << QByteArray("{\\pntext\\f2\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}item")
        << QStringLiteral("\u2022\titem");
    QTest::newRow("SYMBOL field")
        << QByteArray(
               "({\\field{\\*\\fldinst SYMBOL 74 \\\\f \"Wingdings\" \\\\s 12}{\\fldrslt\\f3 J}})")
        << QStringLiteral("(\u263a)");
    QTest::newRow("SYMBOL field in hex")
        << QByteArray("{\\field{\\*\\fldinst SYMBOL 0x61 \\\\f Symbol}{\\fldrslt }}")
        << QStringLiteral("\u03b1");
    QTest::newRow("other fields show their result")
        << QByteArray("{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}") << QStringLiteral("7");
}

void RtfReaderTest::symbolFonts()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    const QByteArray fonts = "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}"
                             "{\\f2\\froman\\fcharset2 Symbol;}{\\f3\\fnil\\fcharset2 Wingdings;}}";
    QCOMPARE(plain(fonts + body + "}"), expected);
}

void RtfReaderTest::boldItalicUnderlineStrike()
{
    QTextDocument document;
    rtf::readRtf(wrap("\\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  \\ul u2\\ul0  "
                      "\\strike gone\\strike0  \\uldb double\\ulnone  \\ulwave wave\\ulnone  none"),
                 &document);
    QCOMPARE(formatOf(document, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(document, QStringLiteral("italic")).fontItalic());
    QVERIFY(!formatOf(document, QStringLiteral("italic")).font().bold());
    QCOMPARE(formatOf(document, QStringLiteral("under")).underlineStyle(),
             QTextCharFormat::SingleUnderline);
    QCOMPARE(formatOf(document, QStringLiteral("u2")).underlineStyle(),
             QTextCharFormat::SingleUnderline);
    QVERIFY(formatOf(document, QStringLiteral("gone")).fontStrikeOut());
    QCOMPARE(formatOf(document, QStringLiteral("double")).underlineStyle(),
             QTextCharFormat::SingleUnderline);
    QCOMPARE(formatOf(document, QStringLiteral("wave")).underlineStyle(),
             QTextCharFormat::WaveUnderline);
    const QTextCharFormat none = formatOf(document, QStringLiteral("none"));
    QCOMPARE(none.underlineStyle(), QTextCharFormat::NoUnderline);
    QVERIFY(!none.fontItalic() && !none.fontStrikeOut() && none.fontWeight() != QFont::Bold);
}

void RtfReaderTest::colours()
{
    QTextDocument document;
    rtf::readRtf(wrap("\\cf1 red \\cf2\\highlight1 blueOnRed \\cf0\\highlight0 auto "
                      "\\cb2 onBlue \\cf9 outOfTable"),
                 &document);
    QCOMPARE(formatOf(document, QStringLiteral("red")).foreground().color(), QColor(Qt::red));
    const QTextCharFormat both = formatOf(document, QStringLiteral("blueOnRed"));
    QCOMPARE(both.foreground().color(), QColor(Qt::blue));
    QCOMPARE(both.background().color(), QColor(Qt::red));
    QVERIFY(!formatOf(document, QStringLiteral("auto")).hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(!formatOf(document, QStringLiteral("auto")).hasProperty(QTextFormat::BackgroundBrush));
    QCOMPARE(formatOf(document, QStringLiteral("onBlue")).background().color(), QColor(Qt::blue));
    QVERIFY(!formatOf(document, QStringLiteral("outOfTable"))
                 .hasProperty(QTextFormat::ForegroundBrush));
}

void RtfReaderTest::superAndSubscript()
{
    QTextDocument document;
    rtf::readRtf(wrap("E=mc{\\super 2} H{\\sub 2}O x\\up6 up\\up0  y\\dn4 down\\nosupersub  base"),
                 &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("E=mc2 H2O xup ydown base"));
    QCOMPARE(formatOf(document, QStringLiteral("2 ")).verticalAlignment(),
             QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(document, QStringLiteral("2O")).verticalAlignment(),
             QTextCharFormat::AlignSubScript);
    QCOMPARE(formatOf(document, QStringLiteral("up")).verticalAlignment(),
             QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatOf(document, QStringLiteral("down")).verticalAlignment(),
             QTextCharFormat::AlignSubScript);
    QCOMPARE(formatOf(document, QStringLiteral("base")).verticalAlignment(),
             QTextCharFormat::AlignNormal);
}

void RtfReaderTest::plainResetsCharacterFormat()
{
    QTextDocument document;
    rtf::readRtf(wrap("\\f1\\fs40\\b\\i\\ul\\cf1 styled\\plain  plain"), &document);
    const QTextCharFormat format = formatOf(document, QStringLiteral("plain"));
    QCOMPARE(format.fontFamilies().toStringList().first(), QStringLiteral("Times New Roman"));
    QCOMPARE(format.fontPointSize(), 12.0);
    QVERIFY(format.fontWeight() != QFont::Bold && !format.fontItalic());
    QCOMPARE(format.underlineStyle(), QTextCharFormat::NoUnderline);
    QVERIFY(!format.hasProperty(QTextFormat::ForegroundBrush));
}

void RtfReaderTest::groupsRestoreFormat()
{
    QTextDocument document;
    rtf::readRtf(wrap("a{\\b b{\\i c}d}e"), &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("abcde"));
    QVERIFY(formatOf(document, QStringLiteral("c")).fontItalic());
    QVERIFY(formatOf(document, QStringLiteral("c")).font().bold());
    QVERIFY(!formatOf(document, QStringLiteral("d")).fontItalic());
    QVERIFY(formatOf(document, QStringLiteral("d")).font().bold());
    QVERIFY(!formatOf(document, QStringLiteral("e")).font().bold());
}

void RtfReaderTest::hiddenTextIsDropped()
{
    QCOMPARE(plain(wrap("shown{\\v  hidden} again\\v  gone\\v0  back")),
             QStringLiteral("shown again back"));
}

void RtfReaderTest::paragraphAlignmentAndIndents()
{
    QTextDocument document;
    rtf::readRtf(
        wrap("\\pard\\qc centre\\par\\pard\\qr right\\par\\pard\\qj\\li720\\ri1440\\fi-360 "
             "justified\\par\\pard left"),
        &document);
    QCOMPARE(document.blockCount(), 4);
    QCOMPARE(blockOf(document, QStringLiteral("centre")).alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(document, QStringLiteral("right")).alignment(), Qt::AlignRight);
    const QTextBlockFormat justified = blockOf(document, QStringLiteral("justified"));
    QCOMPARE(justified.alignment(), Qt::AlignJustify);
    QCOMPARE(justified.leftMargin(), 48.0); // 720 twips at 15 to the pixel
    QCOMPARE(justified.rightMargin(), 96.0);
    QCOMPARE(justified.textIndent(), -24.0);
    QCOMPARE(blockOf(document, QStringLiteral("left")).alignment(), Qt::AlignLeft);
}

void RtfReaderTest::spacingAndTabStops()
{
    QTextDocument document;
    rtf::readRtf(wrap("\\pard\\sb300\\sa150\\sl-450\\tx1440\\tqr\\tx2880 first\\par"
                      "\\pard\\sl360\\slmult1 second\\par"),
                 &document);
    const QTextBlockFormat first = blockOf(document, QStringLiteral("first"));
    QCOMPARE(first.topMargin(), 20.0);
    QCOMPARE(first.bottomMargin(), 10.0);
    QCOMPARE(first.lineHeightType(), int(QTextBlockFormat::FixedHeight));
    QCOMPARE(first.lineHeight(), 30.0);
    const QList<QTextOption::Tab> tabs = first.tabPositions();
    QCOMPARE(tabs.size(), 2);
    QCOMPARE(tabs[0].position, 96.0);
    QCOMPARE(tabs[0].type, QTextOption::LeftTab);
    QCOMPARE(tabs[1].position, 192.0);
    QCOMPARE(tabs[1].type, QTextOption::RightTab);
    const QTextBlockFormat second = blockOf(document, QStringLiteral("second"));
    QCOMPARE(second.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(second.lineHeight(), 150.0);
    QVERIFY(second.tabPositions().isEmpty());
}

void RtfReaderTest::tabStopsFromTheMargin_data()
{
    QTest::addColumn<QByteArray>("paragraph");
    QTest::addColumn<QList<qreal>>("positions");
    QTest::addColumn<QList<int>>("leaders");
    // Qt measures from where the first line starts; the document from the margin.
    QTest::newRow("indented") << QByteArray("\\li720\\tqr\\tldot\\tx9072") << QList<qreal>{556.8}
                              << QList<int>{1};
    QTest::newRow("hanging indent is a stop")
        << QByteArray("\\fi-360\\li360") << QList<qreal>{24} << QList<int>{};
    QTest::newRow("hanging with its own stop")
        << QByteArray("\\fi-360\\li360\\tx360\\tlhyph\\tx2000") << QList<qreal>{24, 2000.0 / 15}
        << QList<int>{0, 2};
    QTest::newRow("stops before the line start go")
        << QByteArray("\\li1440\\tx720\\tlul\\tqc\\tx2160") << QList<qreal>{48} << QList<int>{3};
}

void RtfReaderTest::tabStopsFromTheMargin()
{
    QFETCH(QByteArray, paragraph);
    QFETCH(QList<qreal>, positions);
    QFETCH(QList<int>, leaders);
    QTextDocument document;
    rtf::readRtf(wrap("\\pard" + paragraph + " a\\tab b\\par"), &document);
    const QTextBlockFormat format = blockOf(document, QStringLiteral("a"));
    QList<qreal> found;
    for (const QTextOption::Tab &tab : format.tabPositions())
        found.append(tab.position);
    QCOMPARE(found, positions);
    QList<int> foundLeaders;
    for (const QVariant &leader : format.property(rtf::TabLeadersProperty).toList())
        foundLeaders.append(leader.toInt());
    QCOMPARE(foundLeaders, leaders);
}

void RtfReaderTest::pardResetsParagraphFormat()
{
    QTextDocument document;
    rtf::readRtf(wrap("\\qc\\li500 one\\par two\\par\\pard three"), &document);
    QCOMPARE(blockOf(document, QStringLiteral("two")).alignment(), Qt::AlignHCenter);
    QCOMPARE(blockOf(document, QStringLiteral("three")).alignment(), Qt::AlignLeft);
    QCOMPARE(blockOf(document, QStringLiteral("three")).leftMargin(), 0.0);
}

void RtfReaderTest::pageBreakStartsNewPage()
{
    QTextDocument document;
    rtf::readRtf(wrap("one\\page two\\par\\page three"), &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("one\ntwo\nthree"));
    const auto policy = [&](const QString &word) {
        return blockOf(document, word).pageBreakPolicy();
    };
    QCOMPARE(policy(QStringLiteral("one")), QTextFormat::PageBreak_Auto);
    QCOMPARE(policy(QStringLiteral("two")), QTextFormat::PageBreak_AlwaysBefore);
    QCOMPARE(policy(QStringLiteral("three")), QTextFormat::PageBreak_AlwaysBefore);
}

void RtfReaderTest::codePages_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1252") << QByteArray("\\ansi\\ansicpg1252")
                          << QStringLiteral("caf\u00e9 \u20ac");
    QTest::newRow("1250") << QByteArray("\\ansi\\ansicpg1250")
                          << QStringLiteral("caf\u00e9 \u20ac");
    QTest::newRow("1251") << QByteArray("\\ansi\\ansicpg1251")
                          << QStringLiteral("caf\u0439 \u0412");
    QTest::newRow("plain ansi") << QByteArray("\\ansi") << QStringLiteral("caf\u00e9 \u20ac");
    QTest::newRow("mac") << QByteArray("\\mac") << QStringLiteral("caf\u00c8 \u00c4");
    QTest::newRow("pc") << QByteArray("\\pc") << QStringLiteral("caf\u0398 \u00c7");
}

void RtfReaderTest::codePages()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, expected);
    // 0xe9 and 0x80 (0xc2 in 1251) differ from page to page.
    const QByteArray second = header.contains("1251") ? "\\'c2" : "\\'80";
    QCOMPARE(plain("{\\rtf1" + header + " caf\\'e9 " + second + "}"), expected);
}

void RtfReaderTest::fontCharsetChoosesCodePage()
{
    const QByteArray data = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 "
                            "Arial CE;}{\\f2\\fcharset204 Arial Cyr;}{\\f3\\fcharset161 Greek;}}"
                            "\\f0\\'e6 \\f1\\'e6\\'b9 \\f2\\'e6 \\f3\\'e1}";
    QCOMPARE(plain(data), QStringLiteral("\u00e6 \u0107\u0105 \u0436 \u03b1"));
}

void RtfReaderTest::multiByteCodePage()
{
    const QByteArray data =
        "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\'82\\'72;}}"
        "\\f0\\'82\\'a8\\'8c\\'b3\\'8b\\'43 ok\\par{\\f0\\'82}}";
    QTextDocument document;
    rtf::readRtf(data, &document);
    QCOMPARE(document.firstBlock().text(), QStringLiteral("お元気 ok"));
    QCOMPARE(formatOf(document, QStringLiteral("お")).fontFamilies().toStringList(),
             QStringList{QStringLiteral("ＭＳ")});
    // A lead byte without its trail byte is not text.
    QCOMPARE(document.lastBlock().text(), QStringLiteral("\ufffd"));
}

void RtfReaderTest::unicodeWithFallback_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    QTest::newRow("uc1") << QByteArray("\\uc1 a\\u8364?b") << QStringLiteral("a\u20acb");
    QTest::newRow("uc0") << QByteArray("\\uc0 a\\u8364 b") << QStringLiteral("a\u20acb");
    QTest::newRow("uc2 hex") << QByteArray("\\uc2 a\\u8364\\'80\\'80b")
                             << QStringLiteral("a\u20acb");
    QTest::newRow("uc2 short text")
        << QByteArray("\\uc2 a\\u8364 xyb") << QStringLiteral("a\u20acb");
    QTest::newRow("negative") << QByteArray("\\u-3913?") << QStringLiteral("\uf0b7");
    QTest::newRow("surrogate pair")
        << QByteArray("\\u-10179?\\u-8704?") << QStringLiteral("\U0001f600");
    QTest::newRow("uc is scoped") << QByteArray("{\\uc3 \\u8364abc}\\u8364?x")
                                  << QStringLiteral("\u20ac\u20acx");
    QTest::newRow("fallback stops at group")
        << QByteArray("\\uc4 {\\u8364}ab") << QStringLiteral("\u20acab");
}

void RtfReaderTest::unicodeWithFallback()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    QCOMPARE(plain(wrap(body)), expected);
}

void RtfReaderTest::fieldShowsResult()
{
    QCOMPARE(plain(wrap("see {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt the link}} "
                        "now")),
             QStringLiteral("see the link now"));
}

void RtfReaderTest::simpleTable()
{
    QTextDocument document;
    rtf::readRtf(wrap("before\\par\\trowd\\trgaph108\\clbrdrb\\brdrs\\cellx1500\\cellx4500"
                      "\\pard\\intbl\\b A1\\b0\\cell A2\\cell\\row"
                      "\\trowd\\cellx1500\\cellx4500\\pard\\intbl B1\\cell B2\\par more\\cell\\row"
                      "\\pard after"),
                 &document);
    QTextTable *table = firstTable(document);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(cellText(table, 0, 0), QStringLiteral("A1"));
    QCOMPARE(cellText(table, 0, 1), QStringLiteral("A2"));
    QCOMPARE(cellText(table, 1, 0), QStringLiteral("B1"));
    QCOMPARE(cellText(table, 1, 1), QStringLiteral("B2\u2029more"));
    QVERIFY(formatOf(document, QStringLiteral("A1")).font().bold());
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    // Shares of the 4500-twip row, which itself takes its share of a page's text width.
    QCOMPARE(widths[0].type(), QTextLength::PercentageLength);
    QCOMPARE(widths[0].rawValue(), 1500 * 100.0 / 4500);
    QCOMPARE(widths[1].rawValue(), 3000 * 100.0 / 4500);
    QCOMPARE(table->format().width().rawValue(), 4500 * 100.0 / 8640);
    // Only the bottom border that the cell has is drawn, not a grid.
    const QTextTableCellFormat cell = table->cellAt(0, 0).format().toTableCellFormat();
    QCOMPARE(table->format().border(), 0.0);
    QCOMPARE(cell.bottomBorder(), 1.0);
    QCOMPARE(cell.topBorder(), 0.0);
    QCOMPARE(table->cellAt(1, 0).format().toTableCellFormat().bottomBorder(), 0.0);
    QVERIFY(document.toPlainText().startsWith(QStringLiteral("before")));
    QVERIFY(document.toPlainText().endsWith(QStringLiteral("after")));
    QVERIFY(!document.find(QStringLiteral("after")).currentTable());
}

void RtfReaderTest::tableFollowedByText()
{
    // Rows without \trowd, uneven cell counts and a table at the very end.
    QTextDocument document;
    rtf::readRtf(wrap("\\intbl a\\cell b\\cell c\\cell\\row\\intbl d\\cell\\row\\pard\\par "
                      "between\\par\\intbl elast\\cell\\row"),
                 &document);
    QTextTable *table = firstTable(document);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(cellText(table, 1, 0), QStringLiteral("d"));
    QCOMPARE(cellText(table, 1, 2), QString());
    QVERIFY(!document.find(QStringLiteral("between")).currentTable());
    QVERIFY(document.find(QStringLiteral("elast")).currentTable());
}

void RtfReaderTest::rowsWithOtherCells()
{
    // Two wide cells, then three narrow shaded ones, then a cell merged across
    // two and one merged down, then cells on other boundaries.
    QTextDocument document;
    rtf::readRtf(
        wrap("\\trowd\\cellx3000\\cellx6000\\intbl H1\\cell H2\\cell\\row"
             "\\trowd\\clcbpat1\\cellx2000\\cellx4000\\clvertalc\\clshdng2500\\cellx6000\\intbl "
             "a\\cell b\\cell "
             "c\\cell\\row"
             "\\trowd\\clmgf\\cellx2000\\clmrg\\cellx4000\\clvmgf\\cellx6000\\intbl "
             "wide\\cell\\cell tall\\cell\\row"
             "\\trowd\\cellx2000\\cellx4000\\clvmrg\\cellx6000\\intbl x\\cell y\\cell\\cell\\row"),
        &document);
    QTextTable *table = firstTable(document);
    QVERIFY(table);
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->columns(), 4); // boundaries at 2000, 3000, 4000 and 6000
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 4);
    QCOMPARE(widths[0].rawValue(), 2000 * 100.0 / 6000);
    QCOMPARE(widths[1].rawValue(), 1000 * 100.0 / 6000);
    struct Expected
    {
        int row, column, columnSpan, rowSpan;
        QString text;
    };
    const QList<Expected> cells{
        {0, 0, 2, 1, QStringLiteral("H1")},   {0, 2, 2, 1, QStringLiteral("H2")},
        {1, 0, 1, 1, QStringLiteral("a")},    {1, 1, 2, 1, QStringLiteral("b")},
        {1, 3, 1, 1, QStringLiteral("c")},    {2, 0, 3, 1, QStringLiteral("wide")},
        {2, 3, 1, 2, QStringLiteral("tall")}, {3, 1, 2, 1, QStringLiteral("y")}};
    for (const Expected &e : cells) {
        const QTextTableCell cell = table->cellAt(e.row, e.column);
        QCOMPARE(cell.column(), e.column);
        QCOMPARE(cell.columnSpan(), e.columnSpan);
        QCOMPARE(cell.rowSpan(), e.rowSpan);
        QCOMPARE(cellText(table, e.row, e.column), e.text);
    }
    QCOMPARE(table->cellAt(1, 0).format().background().color(), QColor(Qt::red));
    // A quarter shade of grey, the text in the middle of the cell.
    const QTextCharFormat shaded = table->cellAt(1, 3).format();
    QCOMPARE(shaded.background().color(), QColor(192, 192, 192));
    QCOMPARE(shaded.verticalAlignment(), QTextCharFormat::AlignMiddle);
    QCOMPARE(table->cellAt(1, 1).format().background().style(), Qt::NoBrush);
}

void RtfReaderTest::nestedTableKeepsText()
{
    const QByteArray body =
        "\\trowd\\cellx3000\\cellx6000\\pard\\intbl outer1\\cell\\pard\\intbl\\itap2 in1\\nestcell "
        "in2\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000 props\\nestrow}{"
        "\\nonesttables\\par}"
        "\\pard\\intbl\\itap1 tail\\cell\\row\\pard end";
    QTextDocument document;
    rtf::readRtf(wrap(body), &document);
    const QString text = document.toPlainText().simplified();
    QCOMPARE(text, QStringLiteral("outer1 in1 in2 props tail end"));
    QTextTable *table = firstTable(document);
    QVERIFY(table);
    QCOMPARE(table->columns(), 2);
}

void RtfReaderTest::pngPicture()
{
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QTextDocument document;
    rtf::readRtf(
        wrap("x{\\pict\\pngblip\\picw8\\pich4\\picwgoal1500\\pichgoal750 " + png.toHex() + "}y"),
        &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("x\ufffcy"));
    const QTextImageFormat format = formatOf(document, QStringLiteral("\ufffc")).toImageFormat();
    QVERIFY(format.isValid());
    QCOMPARE(format.width(), 100.0);
    QCOMPARE(format.height(), 50.0);
    const QImage stored =
        document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    QCOMPARE(stored.size(), QSize(8, 4));
    QCOMPARE(stored.pixelColor(1, 1), QColor(Qt::green));
}

void RtfReaderTest::metafileBecomesBlankOfGoalSize()
{
    QTextDocument document;
    rtf::readRtf(wrap("x{\\pict\\wmetafile8\\picw2000\\pich1000\\picwgoal3000\\pichgoal1500 "
                      "0100090000037a0000000000}y{\\pict\\emfblip\\picw2540\\pich2540 0102}z"),
                 &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("x\ufffcy\ufffcz"));
    const QTextImageFormat goal = formatOf(document, QStringLiteral("\ufffcy")).toImageFormat();
    QCOMPARE(goal.width(), 200.0);
    QCOMPARE(goal.height(), 100.0);
    const QImage blank =
        document.resource(QTextDocument::ImageResource, QUrl(goal.name())).value<QImage>();
    QVERIFY(!blank.isNull());
    QCOMPARE(blank.pixelColor(0, 0).alpha(), 0);
    // Without a goal size the metafile's own size (1 inch here) is used.
    const QTextImageFormat own = formatOf(document, QStringLiteral("\ufffcz")).toImageFormat();
    QCOMPARE(own.width(), 96.0);
}

void RtfReaderTest::binaryPictureData()
{
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    QTextDocument document;
    rtf::readRtf(
        wrap("{\\pict\\jpegblip\\bin" + QByteArray::number(jpeg.size()) + " " + jpeg + "}after"),
        &document);
    QCOMPARE(document.toPlainText(), QStringLiteral("\ufffcafter"));
    const QTextImageFormat format = formatOf(document, QStringLiteral("\ufffc")).toImageFormat();
    QCOMPARE(format.width(), 3.0);
    QVERIFY(!document.resource(QTextDocument::ImageResource, QUrl(format.name()))
                 .value<QImage>()
                 .isNull());
}

void RtfReaderTest::plainTextFallback()
{
    QCOMPARE(plain("Just text\nline two"), QStringLiteral("Just text\nline two"));
    QCOMPARE(plain("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
    QCOMPARE(plain("caf\xe9 \x80"), QStringLiteral("caf\u00e9 \u20ac"));
    QCOMPARE(plain("  {\\rtf1 leading blanks}"), QStringLiteral("leading blanks"));
    // A byte-order mark, stray bytes or UTF-16 in front of the rich text.
    QCOMPARE(plain("\xef\xbb\xbf{\\rtf1 marked}"), QStringLiteral("marked"));
    QCOMPARE(plain("From: someone\r\n\r\n{\\rtf1 mailed}"), QStringLiteral("mailed"));
    QCOMPARE(plain(QByteArray("\xff\xfe{\0\\\0r\0t\0f\0 \0w\0i\0d\0e\0}\0", 22)),
             QStringLiteral("wide"));
    // Far into a plain text it is only text.
    const QByteArray mention = QByteArray(2000, 'x') + "{\\rtf1 y}";
    QCOMPARE(plain(mention), QString::fromLatin1(mention));
}

void RtfReaderTest::footnotesFollowTheText()
{
    QTextDocument document;
    rtf::readRtf(
        wrap("Shark{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} Gruber 1982.} and "
             "ray{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} Clark {\\i 1959}.}.\\par "
             "\\trowd\\cellx2000\\intbl cell{\\super\\chftn}{\\footnote{\\super\\chftn} In a "
             "table.}\\cell\\row\\pard End."),
        &document);
    QCOMPARE(
        document.toPlainText(),
        QStringLiteral(
            "Shark1 and ray2.\n\ncell3\nEnd.\n\n1 Gruber 1982.\n2 Clark 1959.\n3 In a table."));
    QCOMPARE(formatOf(document, QStringLiteral("2 Clark")).verticalAlignment(),
             QTextCharFormat::AlignSuperScript);
    QVERIFY(formatOf(document, QStringLiteral("1959")).fontItalic());
    QVERIFY(!document.find(QStringLiteral("In a table")).currentTable());
}

void RtfReaderTest::binaryDataFails()
{
    QTextDocument document;
    const rtf::ReadResult result =
        rtf::readRtf(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11), &document);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
}

QTEST_MAIN(RtfReaderTest)
#include "tst_rtfreader.moc"
