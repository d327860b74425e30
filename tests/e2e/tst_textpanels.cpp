#include "widgets/richtextbox.h"
#include "startup/programstate.h"
#include "support/e2e.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;
using namespace Qt::Literals::StringLiterals;

namespace {

RichTextBox *details()
{
    return control<RichTextBox>(u"rtbDetails"_s);
}

// The file the details box shows, without its folder, in lower case.
QString detailsFile()
{
    return details()->fileName().section(u'/', -1).toLower();
}

void nextPhoto()
{
    QTest::keyClick(control(u"cmdYR(1)"_s), '.');
}

void previousPhoto()
{
    QTest::keyClick(control(u"cmdYR(1)"_s), ',');
}

struct Seen
{
    QString title;
    QString file;
};

// Adds the steps that press a panel button that opens the viewer, record it
// and close it with its close button.
void openAndClose(Script &script, const QString &button, QList<Seen> *seen)
{
    openAndCloseDocument(
        script, [button] { click(button); },
        [seen] {
            QWidget *viewer = documentViewer();
            seen->append({viewer->windowTitle(),
                          viewer->findChild<RichTextBox *>(u"rtbText"_s)->fileName()});
        });
}

} // namespace

class TextPanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void nothingOpenShowsIntroductionOnly();
    void yearPanelsOpenTheirTexts();
    void millenniumYearUsesItsCode();
    void detailsFollowThePhoto();
    void detailsNumbersPastFour();
    void collectionWithoutStatsReportsEngines();
    void missingNostalgiaReportsWithoutViewer();
};

void TextPanelsTest::nothingOpenShowsIntroductionOnly()
{
    DiscFixture fixture;
    BoxAnswerer boxes;
    QList<Seen> seen;
    bool otherPanelsQuiet = false;
    runWithMainWindow(fixture, [&](Script &script) {
        openAndClose(script, u"cmdDesc"_s, &seen);
        script.then([&] {
            // These buttons start disabled; pressed anyway they must do nothing.
            for (const char *name : {"cmdStats", "cmdColors", "cmdOptions", "cmdNostalgia"}) {
                control(QLatin1String(name))->setEnabled(true);
                click(QLatin1String(name));
            }
            otherPanelsQuiet = !documentViewer() && details()->isHidden();
        });
    });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, u"The Zarvick Gallerion       Introduction"_s);
    QVERIFY(seen.first().file.endsWith(u"/intro.rtf"_s));
    QVERIFY(otherPanelsQuiet);
    QVERIFY(boxes.texts().isEmpty());
}

void TextPanelsTest::yearPanelsOpenTheirTexts()
{
    DiscFixture fixture;
    QList<Seen> seen;
    QString focus;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(4); });
        for (const char *button :
             {"cmdDesc", "cmdStats", "cmdColors", "cmdOptions", "cmdNostalgia"})
            openAndClose(script, QLatin1String(button), &seen);
        script.then([&] { focus = focused(); });
    });
    const QString head = u"The Zarvick Gallerion       "_s;
    const QList<Seen> expected{
        {head + u"1967 Description"_s, u"67desc.rtf"_s},
        {head + u"1967 Engines"_s, u"67engines.rtf"_s},
        {head + u"1967 Colors"_s, u"67colors.rtf"_s},
        {head + u"1967 Options"_s, u"67opts.rtf"_s},
        {u"The Zarvick Gallerion     Nostalgia 1967"_s, u"nostalgia67.rtf"_s},
    };
    QCOMPARE(seen.size(), expected.size());
    for (int i = 0; i < seen.size(); ++i) {
        QCOMPARE(seen.at(i).title, expected.at(i).title);
        QVERIFY2(seen.at(i).file.endsWith(u"/richtext/"_s + expected.at(i).file),
                 qPrintable(seen.at(i).file));
    }
    QCOMPARE(focus, u"cmdYR(5)"_s);
}

void TextPanelsTest::millenniumYearUsesItsCode()
{
    DiscFixture fixture;
    QList<Seen> seen;
    QString workPath;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(37); });
        openAndCloseDocument(
            script, [] { click(u"cmdDesc"_s); },
            [&] {
                workPath = documentViewer()->property("documentPath").toString();
                seen.append({documentViewer()->windowTitle(),
                             documentViewer()->findChild<RichTextBox *>(u"rtbText"_s)->fileName()});
            });
        openAndClose(script, u"cmdOptions"_s, &seen);
    });
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0).title, u"The Zarvick Gallerion     2000 Description"_s);
    QCOMPARE(workPath, u"E:\\richtext\\a0desc.rtf"_s);
    QVERIFY(seen.at(0).file.endsWith(u"/a0desc.rtf"_s));
    QCOMPARE(seen.at(1).title, u"The Zarvick Gallerion     2000 Options"_s);
    QVERIFY(seen.at(1).file.endsWith(u"/a0OPTS.rtf"_s));
}

void TextPanelsTest::detailsFollowThePhoto()
{
    DiscFixture fixture;
    QStringList files;
    QString placement;
    QString focusAfterClick;
    bool hiddenByToggle = false;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            menuEntry(u"mnuSpecial(1)"_s)->trigger();
            nextPhoto();
            nextPhoto();
            click(u"cmdStats"_s);
            files << control<QLabel>(u"panPhoto"_s)->text() + u' ' + detailsFile();
            const QRect box = details()->geometry();
            placement = u"%1x%2"_s.arg(box.width()).arg(box.height());
            nextPhoto();
            files << control<QLabel>(u"panPhoto"_s)->text() + u' ' + detailsFile();
            previousPhoto();
            files << control<QLabel>(u"panPhoto"_s)->text() + u' ' + detailsFile();
            click(u"cmdStats"_s);
            hiddenByToggle = details()->isHidden();
            for (int i = 0; i < 4; ++i)
                nextPhoto(); // photo 7, the box stays hidden
            click(u"cmdStats"_s);
            files << control<QLabel>(u"panPhoto"_s)->text() + u' ' + detailsFile();
            QTest::mouseClick(details()->viewport(), Qt::LeftButton);
            focusAfterClick = focused();
            files << (details()->isHidden() ? u"hidden"_s : u"shown"_s);
        });
    });
    QCOMPARE(files, (QStringList{u"3 pt006.rtf"_s, u"4 ptaaaa04.rtf"_s, u"3 ptaaaa03.rtf"_s,
                                 u"7 pt014.rtf"_s, u"hidden"_s}));
    QCOMPARE(placement, u"329x106"_s);
    QVERIFY(hiddenByToggle);
    // The collection came from a menu, so no year button was selected.
    QCOMPARE(focusAfterClick, u"cmdYR(1)"_s);
}

void TextPanelsTest::detailsNumbersPastFour()
{
    // The knives have the same numbering, but their details button is never
    // enabled; the Danbury models show the switch of prefix from photo 5 on.
    DiscFixture fixture;
    QStringList files;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            menuEntry(u"mnuStuff(1)"_s)->trigger();
            for (int i = 0; i < 3; ++i)
                nextPhoto();
            click(u"cmdStats"_s);
            files << detailsFile();
            click(u"cmdStats"_s);
            nextPhoto();
            click(u"cmdStats"_s);
            files << detailsFile();
        });
    });
    QCOMPARE(files, (QStringList{u"tdm008.rtf"_s, u"tdm010.rtf"_s}));
}

void TextPanelsTest::collectionWithoutStatsReportsEngines()
{
    DiscFixture fixture;
    BoxAnswerer boxes;
    bool boxShown = true;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            menuEntry(u"mnuStuff(9)"_s)->trigger();
            click(u"cmdStats"_s);
            boxShown = details()->isVisible() || documentViewer();
        });
    });
    QVERIFY(!boxes.texts().isEmpty());
    QVERIFY2(boxes.texts().last().startsWith(u"Error number: ER027"_s),
             qPrintable(boxes.texts().last()));
    QVERIFY(!boxShown);
}

void TextPanelsTest::missingNostalgiaReportsWithoutViewer()
{
    DiscFixture fixture;
    fixture.removeDiscFile(u"richtext/nostalgia67.rtf"_s);
    BoxAnswerer boxes;
    bool viewerLeft = true;
    bool pointerBusy = true;
    QString code;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            clickYear(4);
            click(u"cmdNostalgia"_s);
            viewerLeft = documentViewer() != nullptr;
            pointerBusy = QGuiApplication::overrideCursor() != nullptr;
            code = programState()->ErrorCode;
        });
    });
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith(u"Error number: ER005"_s));
    QCOMPARE(code, u"ER005"_s);
    QVERIFY(!viewerLeft);
    QVERIFY(!pointerBusy);
}

QTEST_MAIN(TextPanelsTest)
#include "tst_textpanels.moc"
