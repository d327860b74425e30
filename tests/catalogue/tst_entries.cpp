#include "catalogue/entries.h"

#include <QTest>

using namespace gallerion;
using namespace Qt::Literals::StringLiterals;

namespace {

// Nine letters in the order Desc, Stats, Options, Colors, Script, Emblem, Ad,
// Nostalgia, ClipArt: 'y' enabled, '-' disabled.
QString availabilityText(const PanelAvailability &availability)
{
    QString text;
    for (bool enabled : availability.enabled)
        text += enabled ? QLatin1Char('y') : QLatin1Char('-');
    return text;
}

} // namespace

class EntriesTest : public QObject
{
    Q_OBJECT

private slots:
    void entryCodeOf_data();
    void entryCodeOf();
    void captionOfCode_data();
    void captionOfCode();
    void codesAndCaptionsRoundTrip();
    void yearCaptionOfButton_data();
    void yearCaptionOfButton();
    void focusButtonForEntryCode_data();
    void focusButtonForEntryCode();
    void panelAvailability_data();
    void panelAvailability();
    void panelButtonNames();
    void statsCaption_data();
    void statsCaption();
    void photoCycleRunsThroughYearsAndCollections();
    void photoCycleFromOtherEntries_data();
    void photoCycleFromOtherEntries();
};

void EntriesTest::entryCodeOf_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("code");
    QTest::newRow("first year") << u"1964"_s << u"64"_s;
    QTest::newRow("first year with a blank") << u"1964 "_s << u"64"_s;
    QTest::newRow("last 1900s year") << u"1999"_s << u"99"_s;
    QTest::newRow("2000") << u"2000"_s << u"A0"_s;
    QTest::newRow("2001") << u"2001"_s << u"A1"_s;
    QTest::newRow("prototypes") << u"Early Zarvick Prototypes "_s << u"PT"_s;
    QTest::newRow("dravent") << u"The Classic Dravent "_s << u"DV"_s;
    QTest::newRow("stamps") << u"Zarvick Postage Stamps "_s << u"ZZ"_s;
    // The menu collections are named by the codes their photos carry.
    QTest::newRow("calendars") << u"Zarvick Calendars "_s << u"TC"_s;
    QTest::newRow("plates") << u"Franklin Mint Collector Plates "_s << u"TP"_s;
    QTest::newRow("art print") << u"Orvanel Art Print "_s << u"GL"_s;
    QTest::newRow("museum print") << u"National Zarvick Museum Print "_s << u"GH"_s;
    QTest::newRow("calendars without the blank") << u"Zarvick Calendars"_s << u"rv"_s;
    QTest::newRow("collection without its blank") << u"Zarvick Cookies"_s << u"rv"_s;
    QTest::newRow("collection in other case") << u"zarvick cookies "_s << u"rv"_s;
    QTest::newRow("nothing opened yet") << u"panYear"_s << u"nY"_s;
}

void EntriesTest::entryCodeOf()
{
    QFETCH(QString, caption);
    QFETCH(QString, code);
    QCOMPARE(EntryCodeOf(caption), code);
}

void EntriesTest::captionOfCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption");
    QTest::newRow("2001 has no blank") << u"A1"_s << u"2001"_s;
    QTest::newRow("2000 has no blank") << u"A0"_s << u"2000"_s;
    QTest::newRow("1971 has a blank") << u"71"_s << u"1971 "_s;
    QTest::newRow("stamps") << u"ZZ"_s << u"Zarvick Postage Stamps "_s;
    QTest::newRow("monopoly") << u"US"_s << u"The Zarvick Monopoly Game "_s;
    QTest::newRow("calendars") << u"TC"_s << u"Zarvick Calendars "_s;
    QTest::newRow("tessamir print") << u"GB"_s << u"Tessamir Art Print "_s;
    QTest::newRow("codes are exact") << u"vc"_s << u"19vc "_s;
}

void EntriesTest::captionOfCode()
{
    QFETCH(QString, code);
    QFETCH(QString, caption);
    QCOMPARE(CaptionOfCode(code), caption);
}

void EntriesTest::codesAndCaptionsRoundTrip()
{
    const auto collections = collectionTable();
    QCOMPARE(collections.size(), std::size_t(12));
    for (const Collection &collection : collections) {
        QVERIFY2(QString(collection.caption).endsWith(QLatin1Char(' ')), collection.caption.data());
        QCOMPARE(EntryCodeOf(collection.caption), QString(collection.code));
        QCOMPARE(CaptionOfCode(collection.code), QString(collection.caption));
    }
    for (int button = 1; button <= YearButtonCount; ++button) {
        const QString caption = YearCaptionOfButton(button);
        QCOMPARE(CaptionOfCode(EntryCodeOf(caption)).trimmed(), caption);
    }
}

void EntriesTest::yearCaptionOfButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first") << 1 << u"1964"_s;
    QTest::newRow("1999") << 36 << u"1999"_s;
    QTest::newRow("2000") << 37 << u"2000"_s;
    QTest::newRow("2001") << 38 << u"2001"_s;
    QTest::newRow("below the row") << 0 << u""_s;
    QTest::newRow("past the row") << 39 << u""_s;
}

void EntriesTest::yearCaptionOfButton()
{
    QFETCH(int, button);
    QFETCH(QString, caption);
    QCOMPARE(YearCaptionOfButton(button), caption);
}

void EntriesTest::focusButtonForEntryCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("button");
    QTest::newRow("1964 goes to 1965") << u"64"_s << 2;
    QTest::newRow("1999 goes to 2000") << u"99"_s << 37;
    QTest::newRow("2000 goes to 2001") << u"A0"_s << 38;
    QTest::newRow("2001 wraps") << u"A1"_s << 1;
    QTest::newRow("collection") << u"PT"_s << 1;
    QTest::newRow("menu-only code") << u"rv"_s << 1;
    QTest::newRow("digits below the years") << u"05"_s << 1;
}

void EntriesTest::focusButtonForEntryCode()
{
    QFETCH(QString, code);
    QFETCH(int, button);
    QCOMPARE(gallerion::focusButtonForEntryCode(code), button);
}

void EntriesTest::panelAvailability_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("openedAsCollection");
    QTest::addColumn<QString>(
        "enabled"); // Desc Stats Options Colors Script Emblem Ad Nostalgia ClipArt
    QTest::newRow("year") << u"1967"_s << false << u"yyyyyyyyy"_s;
    QTest::newRow("1964 with a blank") << u"1964 "_s << false << u"yyyyyyyyy"_s;
    QTest::newRow("prototypes") << u"Early Zarvick Prototypes "_s << false << u"-y-------"_s;
    QTest::newRow("mach i") << u"Zarvick Mach I "_s << false << u"-y-------"_s;
    QTest::newRow("mach iii") << u"Zarvick Mach III "_s << false << u"yy-------"_s;
    QTest::newRow("stallion") << u"Zarvick Super Stallion "_s << false << u"yy-------"_s;
    QTest::newRow("signs") << u"Zarvick Metal Signs "_s << false << u"yy-------"_s;
    QTest::newRow("danbury") << u"Danbury Mint Die Cast Models "_s << false << u"yy-------"_s;
    QTest::newRow("die cast") << u"Franklin Mint Die Cast Models "_s << false << u"yy-------"_s;
    QTest::newRow("stamps") << u"Zarvick Postage Stamps "_s << false << u"y--------"_s;
    QTest::newRow("knives") << u"Franklin Mint Collector Knives "_s << false << u"y--------"_s;
    QTest::newRow("monopoly") << u"The Zarvick Monopoly Game "_s << false << u"y--------"_s;
    QTest::newRow("cookies") << u"Zarvick Cookies "_s << false << u"---------"_s;
    QTest::newRow("dravent") << u"The Classic Dravent "_s << false << u"--yyyyy--"_s;
    QTest::newRow("dravent from its menu") << u"The Classic Dravent "_s << true << u"---------"_s;
    QTest::newRow("calendars") << u"Zarvick Calendars "_s << true << u"yy------y"_s;
    QTest::newRow("plates") << u"Franklin Mint Collector Plates "_s << true << u"yy------y"_s;
    QTest::newRow("art print") << u"Tessamir Art Print "_s << true << u"yy------y"_s;
    QTest::newRow("signs from the cycle") << u"Zarvick Metal Signs "_s << true << u"yy-------"_s;
    QTest::newRow("caption must match exactly") << u"Zarvick Cookies"_s << false << u"yyyyyyyyy"_s;
}

void EntriesTest::panelAvailability()
{
    QFETCH(QString, caption);
    QFETCH(bool, openedAsCollection);
    QFETCH(QString, enabled);
    QCOMPARE(availabilityText(panelAvailabilityOf(caption, openedAsCollection)), enabled);
}

void EntriesTest::panelButtonNames()
{
    const PanelAvailability dravent =
        panelAvailabilityOf(QStringLiteral("The Classic Dravent "), false);
    QVERIFY(!dravent[PanelButton::Nostalgia]);
    QVERIFY(dravent[PanelButton::Ad]);
    QCOMPARE(panelButtonName(PanelButton::Desc), QStringLiteral("cmdDesc"));
    QCOMPARE(panelButtonName(PanelButton::Nostalgia), QStringLiteral("cmdNostalgia"));
    QCOMPARE(panelButtonName(PanelButton::ClipArt), QStringLiteral("cmdClipArt"));
}

void EntriesTest::statsCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("openedAsCollection");
    QTest::addColumn<QString>("statsCaption");
    QTest::newRow("year") << u"1980"_s << false << u"Engines"_s;
    QTest::newRow("prototypes") << u"Early Zarvick Prototypes "_s << false << u"Details"_s;
    QTest::newRow("dravent") << u"The Classic Dravent "_s << false << u"Details"_s;
    QTest::newRow("mach i") << u"Zarvick Mach I "_s << false << u"Details"_s;
    QTest::newRow("stamps") << u"Zarvick Postage Stamps "_s << false << u"Details"_s;
    QTest::newRow("danbury") << u"Danbury Mint Die Cast Models "_s << false << u"Details"_s;
    QTest::newRow("signs as an entry") << u"Zarvick Metal Signs "_s << false << u"Engines"_s;
    QTest::newRow("knives as an entry")
        << u"Franklin Mint Collector Knives "_s << false << u"Engines"_s;
    QTest::newRow("cookies as an entry") << u"Zarvick Cookies "_s << false << u"Engines"_s;
    QTest::newRow("signs as a collection") << u"Zarvick Metal Signs "_s << true << u"Details"_s;
    QTest::newRow("calendars as a collection") << u"Zarvick Calendars "_s << true << u"Details"_s;
}

void EntriesTest::statsCaption()
{
    QFETCH(QString, caption);
    QFETCH(bool, openedAsCollection);
    QFETCH(QString, statsCaption);
    QCOMPARE(statsCaptionOf(caption, openedAsCollection), statsCaption);
}

void EntriesTest::photoCycleRunsThroughYearsAndCollections()
{
    struct Expected
    {
        QString caption;
        int target;
        bool asCollection = false;
    };
    QList<Expected> expected;
    for (int year = 1965; year <= 1999; ++year)
        expected.append({QString::number(year), year - 1963});
    expected.append({QStringLiteral("2000"), 37});
    expected.append({QStringLiteral("2001"), 38});
    for (const char *caption : {"Early Zarvick Prototypes ", "Zarvick Mach I ", "Zarvick Mach III ",
                                "Zarvick Super Stallion ", "Danbury Mint Die Cast Models ",
                                "Franklin Mint Collector Knives "})
        expected.append({QString::fromLatin1(caption), 38});
    for (const char *caption : {"Franklin Mint Die Cast Models ", "Zarvick Cookies ",
                                "The Zarvick Monopoly Game ", "Zarvick Metal Signs "})
        expected.append({QString::fromLatin1(caption), 38, true});
    expected.append({QStringLiteral("Zarvick Postage Stamps "), 1});
    expected.append({QStringLiteral("1964 "), 1});
    expected.append({QStringLiteral("1965"), 2});

    QString caption = QStringLiteral("1964");
    int selected = 1;
    for (const Expected &next : expected) {
        const PhotoCycleStep step = nextInPhotoCycle(caption, selected);
        QCOMPARE(step.caption, next.caption);
        QCOMPARE(step.targetYearButton, next.target);
        QCOMPARE(step.opensAsCollection, next.asCollection);
        QCOMPARE(step.hidesArtwork, caption == QStringLiteral("2001"));
        caption = step.caption;
        selected = step.targetYearButton;
    }
}

void EntriesTest::photoCycleFromOtherEntries_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("next");
    QTest::addColumn<int>("target");
    QTest::newRow("dravent from its menu") << u"The Classic Dravent "_s << 0 << u"1964"_s << 1;
    QTest::newRow("calendars after 1970") << u"Zarvick Calendars "_s << 7 << u"1971"_s << 8;
    QTest::newRow("art print after 2001") << u"Orvanel Art Print "_s << 38 << u"1964"_s << 1;
    QTest::newRow("inexact caption follows the years")
        << u"Zarvick Cookies"_s << 37 << u"2001"_s << 38;
    QTest::newRow("2001 by caption") << u"2001"_s << 5 << u"Early Zarvick Prototypes "_s << 38;
}

void EntriesTest::photoCycleFromOtherEntries()
{
    QFETCH(QString, caption);
    QFETCH(int, selected);
    QFETCH(QString, next);
    QFETCH(int, target);
    const PhotoCycleStep step = nextInPhotoCycle(caption, selected);
    QCOMPARE(step.caption, next);
    QCOMPARE(step.targetYearButton, target);
}

QTEST_APPLESS_MAIN(EntriesTest)
#include "tst_entries.moc"
