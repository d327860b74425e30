#include "browser/textpanelfiles.h"

#include <QHash>
#include <QTest>

using namespace gallerion;
using namespace Qt::Literals::StringLiterals;

namespace {
// Built independently of the code under test: the run of blanks is the point.
QString head(int blanks)
{
    return u"The Zarvick Gallerion"_s + QString(blanks, QLatin1Char(' '));
}
} // namespace

class TextPanelFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void yearCodes_data();
    void yearCodes();
    // Description, stats, colors and options: one rule each, the same checks.
    void panelDocument_data();
    void panelDocument();
    void nostalgia();
    void detailsFileName_data();
    void detailsFileName();
    void photoNumber_data();
    void photoNumber();
    void detailsPathOfPhoto_data();
    void detailsPathOfPhoto();
};

void TextPanelFilesTest::yearCodes_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("yearCode");
    QTest::addColumn<QString>("titleHead");
    QTest::addColumn<bool>("millennium");
    QTest::newRow("1967") << u"1967"_s << u"67"_s << head(7) + u"19"_s << false;
    QTest::newRow("1999") << u"1999"_s << u"99"_s << head(7) + u"19"_s << false;
    QTest::newRow("2000") << u"2000"_s << u"00"_s << head(5) + u"20"_s << true;
    QTest::newRow("2001") << u"2001"_s << u"01"_s << head(5) + u"20"_s << true;
}

void TextPanelFilesTest::yearCodes()
{
    QFETCH(QString, selection);
    QFETCH(QString, yearCode);
    QFETCH(QString, titleHead);
    QFETCH(bool, millennium);
    QCOMPARE(yearCodeOf(selection), yearCode);
    QCOMPARE(centuryTitleHead(selection), titleHead);
    QCOMPARE(isMillenniumYear(selection), millennium);
    if (millennium)
        QCOMPARE(millenniumCodeOf(selection), u"a"_s + selection.right(1));
}

void TextPanelFilesTest::panelDocument_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("loadDir");
    QTest::addColumn<QString>("title");
    QTest::newRow("description nothing open")
        << u"description"_s << QString() << u"\\richtext\\intro.rtf"_s << u"\\richtext\\"_s
        << head(7) + u"Introduction"_s;
    QTest::newRow("description 1967")
        << u"description"_s << u"1967"_s << u"\\richtext\\67desc.rtf"_s << u"\\richtext\\"_s
        << head(7) + u"1967 Description"_s;
    QTest::newRow("description 2000")
        << u"description"_s << u"2000"_s << u"\\RichText\\a0desc.rtf"_s << u"\\richtext\\"_s
        << head(5) + u"2000 Description"_s;
    QTest::newRow("description 2001")
        << u"description"_s << u"2001"_s << u"\\RichText\\a1desc.rtf"_s << u"\\richtext\\"_s
        << head(5) + u"2001 Description"_s;
    QTest::newRow("description cycle's 1964")
        << u"description"_s << u"1964 "_s << u"\\richtext\\64desc.rtf"_s << u"\\richtext\\"_s
        << head(7) + u"1964 Description"_s;
    QTest::newRow("description stamps")
        << u"description"_s << u"Zarvick Postage Stamps "_s << u"\\richtext\\stamps.rtf"_s
        << u"\\richtext\\"_s << head(7) + u"Zarvick Postage Stamps "_s;
    QTest::newRow("description calendars")
        << u"description"_s << u"Zarvick Calendars "_s << u"\\richtext\\carstuff.rtf"_s
        << u"\\richtext\\"_s << head(7) + u"Zarvick Calendars "_s;
    QTest::newRow("description signs")
        << u"description"_s << u"Zarvick Metal Signs "_s << u"\\richtext\\desperat.rtf"_s
        << u"\\richtext\\"_s << head(7) + u"Zarvick Metal Signs "_s;
    QTest::newRow("description prototypes")
        << u"description"_s << u"Early Zarvick Prototypes "_s << u"\\richtext\\ptdesc.rtf"_s
        << u"\\richtext\\"_s << head(7) + u"Early Zarvick Prototypes Description "_s;
    QTest::newRow("description super stallion")
        << u"description"_s << u"Zarvick Super Stallion "_s << u"\\richtext\\msdesc.rtf"_s
        << u"\\richtext\\"_s << head(7) + u"Zarvick Super Stallion "_s;
    QTest::newRow("stats 1967") << u"stats"_s << u"1967"_s << u"\\richtext\\67engines.rtf"_s
                                << u"\\richtext\\"_s << head(7) + u"1967 Engines"_s;
    QTest::newRow("stats 2001") << u"stats"_s << u"2001"_s << u"\\RichText\\a1engines.rtf"_s
                                << u"\\richtext\\"_s << head(5) + u"2001 Statistics"_s;
    QTest::newRow("stats dravent")
        << u"stats"_s << u"The Classic Dravent "_s << u"\\richtext\\dvstats.rtf"_s
        << u"\\richtext\\"_s << head(7) + u"The Classic Dravent  Specifications"_s;
    QTest::newRow("stats mach III")
        << u"stats"_s << u"Zarvick Mach III "_s << u"\\richtext\\m3stats.rtf"_s << u"\\richtext\\"_s
        << head(7) + u"Zarvick Mach III  Specifications"_s;
    // In neither table: a name that cannot exist, so the lookup fails.
    QTest::newRow("stats plates") << u"stats"_s << u"Franklin Mint Collector Plates "_s
                                  << u"\\richtext\\anengines.rtf"_s << u"\\richtext\\"_s
                                  << head(7) + u"19an Engines"_s;
    QTest::newRow("colors 1967") << u"colors"_s << u"1967"_s << u"\\RichText\\67colors.rtf"_s
                                 << u"\\RichText\\"_s << head(7) + u"1967"_s + u" Colors"_s;
    QTest::newRow("options 1967") << u"options"_s << u"1967"_s << u"\\richtext\\67opts.rtf"_s
                                  << u"\\RichText\\"_s << head(7) + u"1967"_s + u" Options"_s;
    QTest::newRow("colors 2000") << u"colors"_s << u"2000"_s << u"\\RichText\\a0colors.rtf"_s
                                 << u"\\RichText\\"_s << head(5) + u"2000"_s + u" Colors"_s;
    QTest::newRow("options 2000") << u"options"_s << u"2000"_s << u"\\RichText\\a0OPTS.rtf"_s
                                  << u"\\RichText\\"_s << head(5) + u"2000"_s + u" Options"_s;
    // The caption's own blank and the suffix's make two.
    QTest::newRow("colors dravent")
        << u"colors"_s << u"The Classic Dravent "_s << u"\\RichText\\dvcolors.rtf"_s
        << u"\\RichText\\"_s << head(7) + u"The Classic Dravent "_s + u" Colors"_s;
    QTest::newRow("options dravent")
        << u"options"_s << u"The Classic Dravent "_s << u"\\RichText\\dvopts.rtf"_s
        << u"\\RichText\\"_s << head(7) + u"The Classic Dravent "_s + u" Options"_s;
}

void TextPanelFilesTest::panelDocument()
{
    QFETCH(QString, panel);
    QFETCH(QString, selection);
    QFETCH(QString, lookup);
    QFETCH(QString, loadDir);
    QFETCH(QString, title);
    const QHash<QString, PanelDocument (*)(const QString &)> rules{
        {u"description"_s, descriptionDocument},
        {u"stats"_s, statsDocument},
        {u"colors"_s, colorsDocument},
        {u"options"_s, optionsDocument},
    };
    QVERIFY(rules.contains(panel));
    const PanelDocument document = rules.value(panel)(selection);
    QCOMPARE(document.lookupPath, lookup);
    QCOMPARE(document.loadDir, loadDir);
    QCOMPARE(document.title, title);
}

void TextPanelFilesTest::nostalgia()
{
    const PanelDocument year = nostalgiaDocument(u"1966"_s);
    QCOMPARE(year.lookupPath, u"\\richtext\\nostalgia66.rtf"_s);
    QCOMPARE(year.title, head(5) + u"Nostalgia 1966"_s);
    const PanelDocument cycled = nostalgiaDocument(u"1964 "_s);
    QCOMPARE(cycled.title, head(5) + u"Nostalgia 1964"_s);
    QCOMPARE(nostalgiaDocument(u"2001"_s).lookupPath, u"\\richtext\\nostalgia01.rtf"_s);
}

void TextPanelFilesTest::detailsFileName_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<int>("photo");
    QTest::addColumn<QString>("file");
    QTest::newRow("prototypes 3") << u"Early Zarvick Prototypes "_s << 3 << u"pt006.rtf"_s;
    QTest::newRow("prototypes 7") << u"Early Zarvick Prototypes "_s << 7 << u"pt014.rtf"_s;
    QTest::newRow("knives 4") << u"Franklin Mint Collector Knives "_s << 4 << u"tek008.rtf"_s;
    QTest::newRow("knives 5") << u"Franklin Mint Collector Knives "_s << 5 << u"tek010.rtf"_s;
    QTest::newRow("cookies 7") << u"Zarvick Cookies "_s << 7 << u"usa0014.rtf"_s;
    QTest::newRow("stamps 12") << u"Zarvick Postage Stamps "_s << 12 << u"zz024.rtf"_s;
    QTest::newRow("art print 3") << u"Orvanel Art Print "_s << 3 << u"glor06.rtf"_s;
    QTest::newRow("mach I 5") << u"Zarvick Mach I "_s << 5 << u"m1010.rtf"_s;
    QTest::newRow("no number") << u"Danbury Mint Die Cast Models "_s << 0 << u"tdm000.rtf"_s;
    QTest::newRow("specifications only") << u"Zarvick Mach III "_s << 3 << QString();
    QTest::newRow("plates") << u"Franklin Mint Collector Plates "_s << 3 << QString();
    QTest::newRow("year") << u"1967"_s << 3 << QString();
    QTest::newRow("blank counts") << u"Zarvick Cookies"_s << 3 << QString();
}

void TextPanelFilesTest::detailsFileName()
{
    QFETCH(QString, selection);
    QFETCH(int, photo);
    QFETCH(QString, file);
    QCOMPARE(gallerion::detailsFileName(selection, photo), file);
}

void TextPanelFilesTest::photoNumber_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("number");
    QTest::newRow("one digit") << u"3"_s << 3;
    QTest::newRow("two digits") << u"12"_s << 12;
    QTest::newRow("leading digits") << u"7 of 9"_s << 7;
    QTest::newRow("no digits") << u"panPhoto"_s << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TextPanelFilesTest::photoNumber()
{
    QFETCH(QString, caption);
    QFETCH(int, number);
    QCOMPARE(photoNumberOf(caption), number);
}

void TextPanelFilesTest::detailsPathOfPhoto_data()
{
    QTest::addColumn<QString>("discRoot");
    QTest::addColumn<QString>("photo");
    QTest::addColumn<int>("codePosition");
    QTest::addColumn<QString>("details");
    QTest::newRow("on the disc") << u"D:"_s << u"D:\\zarvicks\\pt006.jpg"_s << 3
                                 << u"D:\\RichText\\pt006.rtf"_s;
    QTest::newRow("upper-cased list")
        << u"E:"_s << u"E:\\zarvicks\\PTAAAA03.JPG"_s << 3 << u"E:\\RichText\\PTAAAA03.rtf"_s;
    // Photos copied to the hard disk: the texts stay on the disc, and a dot in
    // the folder's name is not the extension's.
    QTest::newRow("copied photos") << u"E:"_s << u"/home/ann/.local/z\\zarvicks\\TE01.JPG"_s << 19
                                   << u"E:\\RichText\\TE01.rtf"_s;
    QTest::newRow("no extension") << u"E:"_s << u"E:\\zarvicks\\TE01"_s << 3
                                  << u"E:\\RichText\\TE01.rtf"_s;
    QTest::newRow("no photo list") << u"E:"_s << QString() << 0 << QString();
}

void TextPanelFilesTest::detailsPathOfPhoto()
{
    QFETCH(QString, discRoot);
    QFETCH(QString, photo);
    QFETCH(int, codePosition);
    QFETCH(QString, details);
    QCOMPARE(gallerion::detailsPathOfPhoto(discRoot, photo, codePosition), details);
}

QTEST_GUILESS_MAIN(TextPanelFilesTest)
#include "tst_textpanelfiles.moc"
