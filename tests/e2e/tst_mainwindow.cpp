#include "startup/programstate.h"
#include "support/e2e.h"
#include "support/tracelog.h"
#include "platform/screen.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;

namespace {

QString caption()
{
    return control<QLabel>(QStringLiteral("panYear"))->text();
}

void leftClickPhoto()
{
    QTest::mouseClick(control(QStringLiteral("Image4")), Qt::LeftButton);
}

// Enabled panel buttons, in the order Desc, Stats, Options, Colors, Script,
// Emblem, Ad, Nostalgia, ClipArt, as a text of Y and N.
QString panelState()
{
    QString state;
    for (const char *name : {"cmdDesc", "cmdStats", "cmdOptions", "cmdColors", "cmdScript",
                             "cmdEmblem", "cmdAd", "cmdNostalgia", "cmdClipArt"})
        state += control(QLatin1String(name))->isEnabled() ? QLatin1Char('Y') : QLatin1Char('N');
    return state;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qunsetenv("GALLERION_SCREEN");
        qunsetenv("GALLERION_SCALE");
    }

    void lastYearButtonFocusesFirst();
    void yearWithoutPhotosReportsMissingPhoto();
    void firstBackgroundClickOpensFirstYearOnce();
    void photoStepsWrapWithinTheEntry();
    void fileNameDisplay();
    void photoCycleFollowsAvailabilityTable();
    void menuCollectionsOpenAsCollections();
    void stampsAreFollowedByFirstYear();
    void placementIsSavedUnlessMinimised();
    void neverAvailableEntriesStayDisabled();
    void layoutDependsOnScreen_data();
    void layoutDependsOnScreen();
    void stageScalesWithTheWindow();
};

void MainWindowTest::lastYearButtonFocusesFirst()
{
    QString shown;
    QString code;
    QString focus;
    int selected = 0;
    QImage focusedLook;
    QImage plainLook;
    runOnSampleDisc([&] {
        mainWindow()->activateWindow();
        clickYear(38);
        shown = caption();
        code = programState()->property("CurrentEntryCode").toString();
        focus = focused();
        selected = programState()->SelectedYearButton;
        // The focus came with a mouse click, not the keyboard, and still shows.
        QWidget *first = control(QStringLiteral("cmdYR(1)"));
        focusedLook = first->grab().toImage();
        first->clearFocus();
        plainLook = first->grab().toImage();
    });
    QCOMPARE(shown, QStringLiteral("2001"));
    QCOMPARE(code, QStringLiteral("A1"));
    QCOMPARE(focus, QStringLiteral("cmdYR(1)"));
    QCOMPARE(selected, 38);
    QVERIFY(focusedLook != plainLook);
}

void MainWindowTest::yearWithoutPhotosReportsMissingPhoto()
{
    BoxAnswerer boxes;
    QString shown;
    bool photoVisible = true;
    bool enabled = false;
    runOnSampleDisc([&] {
        clickYear(4);
        clickYear(10);
        shown = caption();
        photoVisible = control(QStringLiteral("Image4"))->isVisible();
        enabled = mainWindow()->isEnabled();
    });
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith(QStringLiteral("Error number: ER023")));
    QCOMPARE(shown, QStringLiteral("1973"));
    QVERIFY(!photoVisible);
    QVERIFY(enabled);
}

void MainWindowTest::firstBackgroundClickOpensFirstYearOnce()
{
    QString beforeFirst;
    QList<bool> entryControlsShown;
    QString afterFirst;
    QString afterSecond;
    int selected = 0;
    runOnSampleDisc([&] {
        const auto record = [&] {
            for (const char *name : {"panYear", "panPhoto", "SpinButton1"})
                entryControlsShown << control(QLatin1String(name))->isVisible();
        };
        beforeFirst = caption();
        record();
        QWidget *background = qobject_cast<QMainWindow *>(mainWindow())->centralWidget();
        QTest::mouseClick(background, Qt::LeftButton, {}, QPoint(2, 2));
        record();
        afterFirst = caption();
        selected = programState()->SelectedYearButton;
        clickYear(4);
        QTest::mouseClick(background, Qt::LeftButton, {}, QPoint(2, 2));
        afterSecond = caption();
    });
    // The design caption records that nothing is open, but is not shown.
    QCOMPARE(beforeFirst, QStringLiteral("panYear"));
    QCOMPARE(entryControlsShown, (QList<bool>{false, false, false, true, true, true}));
    QCOMPARE(afterFirst, QStringLiteral("1964"));
    QCOMPARE(selected, 1);
    QCOMPARE(afterSecond, QStringLiteral("1967"));
}

void MainWindowTest::photoStepsWrapWithinTheEntry()
{
    QStringList numbers;
    runOnSampleDisc([&] {
        clickYear(4);
        auto *number = control<QLabel>(QStringLiteral("panPhoto"));
        numbers << number->text();
        for (const char *key : {".", ".", ".", ".", ",", ","}) {
            QTest::keyClick(control(QStringLiteral("cmdYR(5)")), key[0]);
            numbers << number->text();
        }
    });
    // 1967 has four photos on the sample disc.
    QCOMPARE(numbers, (QStringList{"1", "2", "3", "4", "1", "4", "3"}));
}

void MainWindowTest::fileNameDisplay()
{
    QString before;
    QString name;
    QString menuCaption;
    bool visible = false;
    runOnSampleDisc([&] {
        QAction *names = menuEntry(QStringLiteral("mnuNames"));
        before = names->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
        clickYear(37);
        names->trigger();
        name = control<QLineEdit>(QStringLiteral("txtFile"))->text();
        visible = control(QStringLiteral("txtFile"))->isVisible();
        menuCaption = names->text();
        names->trigger();
        visible = visible && !control(QStringLiteral("txtFile"))->isVisible();
    });
    QCOMPARE(before, QStringLiteral("disabled"));
    QCOMPARE(name, QStringLiteral("A0AAAA01.JPG"));
    QCOMPARE(menuCaption, QStringLiteral("Hide File &Names"));
    QVERIFY(visible);
}

void MainWindowTest::photoCycleFollowsAvailabilityTable()
{
    // Caption after each left click on the photo, starting from 2001, and the
    // panel buttons enabled then (Desc Stats Options Colors Script Emblem Ad
    // Nostalgia ClipArt).
    const QList<std::pair<QString, QString>> expected{
        {"Early Zarvick Prototypes ", "NYNNNNNNN"},
        {"Zarvick Mach I ", "NYNNNNNNN"},
        {"Zarvick Mach III ", "YYNNNNNNN"},
        {"Zarvick Super Stallion ", "YYNNNNNNN"},
        {"Danbury Mint Die Cast Models ", "YYNNNNNNN"},
        {"Franklin Mint Collector Knives ", "YNNNNNNNN"},
        {"Franklin Mint Die Cast Models ", "YYNNNNNNN"},
        {"Zarvick Cookies ", "NNNNNNNNN"},
        {"The Zarvick Monopoly Game ", "YNNNNNNNN"},
        {"Zarvick Metal Signs ", "YYNNNNNNN"},
        {"Zarvick Postage Stamps ", "YNNNNNNNN"},
        {"1964 ", "YYYYYYYYY"},
        {"1965", "YYYYYYYYY"}};
    QList<std::pair<QString, QString>> seen;
    QString yearState;
    runOnSampleDisc([&] {
        clickYear(38);
        yearState = panelState();
        for (int i = 0; i < expected.size(); ++i) {
            leftClickPhoto();
            seen.append({caption(), panelState()});
        }
    });
    QCOMPARE(yearState, QStringLiteral("YYYYYYYYY"));
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(seen.value(i).first, expected[i].first);
        QVERIFY2(seen.value(i).second == expected[i].second,
                 qPrintable(expected[i].first + seen.value(i).second));
    }
}

void MainWindowTest::menuCollectionsOpenAsCollections()
{
    BoxAnswerer boxes;
    QStringList states;
    QStringList statsCaptions;
    QString calendarPhoto;
    int selected = -1;
    runOnSampleDisc([&] {
        for (const char *name : {"mnuSpecial(2)", "mnuStuff(2)", "mnuStuff(8)"}) {
            menuEntry(QLatin1String(name))->trigger();
            states << caption() + panelState();
            statsCaptions << control<QPushButton>(QStringLiteral("cmdStats"))->text();
        }
        calendarPhoto = programState()->currentPhotoPath();
        selected = programState()->SelectedYearButton;
    });
    QCOMPARE(states, (QStringList{"The Classic Dravent NNNNNNNNN",
                                  "Franklin Mint Collector Knives YNNNNNNNN",
                                  "Zarvick Calendars YYNNNNNNY"}));
    QCOMPARE(statsCaptions, (QStringList{"Details", "Details", "Details"}));
    // The calendars open their own photos.
    QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(QLatin1Char('\n'))));
    QVERIFY(calendarPhoto.contains(QStringLiteral("\\zarvicks\\TC")));
    QCOMPARE(selected, 0);
}

void MainWindowTest::stampsAreFollowedByFirstYear()
{
    QString next;
    int selected = 0;
    runOnSampleDisc([&] {
        menuEntry(QStringLiteral("mnuStuff(7)"))->trigger();
        leftClickPhoto();
        next = caption();
        selected = programState()->SelectedYearButton;
    });
    QCOMPARE(next, QStringLiteral("1964 "));
    QCOMPARE(selected, 1);
}

void MainWindowTest::placementIsSavedUnlessMinimised()
{
    TraceLog trace;
    QRect first;
    runOnSampleDisc([&] {
        mainWindow()->setGeometry(30, 40, 900, 640);
        first = mainWindow()->frameGeometry();
    });
    const auto saved = trace.lines(QStringLiteral("settings"));
    QCOMPARE(saved.last().value(QStringLiteral("key")).toString(), QStringLiteral("MainHeight"));
    QCOMPARE(saved.last().value(QStringLiteral("value")).toString(), QStringLiteral("9600"));

    // The placement was saved larger than the screen, so it comes back bounded by it.
    QRect restored;
    QRect available;
    runOnSampleDisc([&] {
        restored = mainWindow()->geometry();
        available = mainWindow()->screen()->availableGeometry();
        mainWindow()->showMinimized();
    });
    QVERIFY(available.width() < 900);
    QCOMPARE(restored.width(), available.width());
    QVERIFY(restored.height() < available.height());
    const auto writes = trace.lines(QStringLiteral("settings"));
    const auto lastWrites = std::count_if(writes.cbegin(), writes.cend(), [](const QJsonObject &l) {
        return l.value(QStringLiteral("action")).toString() == QLatin1String("write");
    });
    QCOMPARE(lastWrites, 4); // only the first run wrote
}

void MainWindowTest::neverAvailableEntriesStayDisabled()
{
    BoxAnswerer boxes;
    const DiscFixture fixture;
    QList<QStringList> enabled;
    const auto record = [&enabled] {
        QStringList names;
        for (const char *name :
             {"mnuMisc(1)", "mnuMisc(3)", "mnuWhatsNew", "mnuSysInfo", "mnuArt(1)", "mnuArt(2)",
              "mnuArt(3)", "mnuArtwork", "mnuExit", "mnuStuff(1)", "mnuSpecial(5)"}) {
            if (menuEntry(QLatin1String(name))->isEnabled())
                names << QLatin1String(name);
        }
        enabled << names;
    };
    const QString viewer = QStringLiteral("frmScroll");
    // The 2001 apology and the advertisement viewer both enable the main window again.
    runWithMainWindow(fixture, [&](Script &script) {
        script.then(record).then([&] {
            clickYear(38);
            click(QStringLiteral("cmdAd"));
            record();
        });
        script.then([] { clickYear(37); })
            .thenStart([] { click(QStringLiteral("cmdAd")); })
            .then([&] { return windowShown(viewer); }, [&] { topLevel(viewer)->close(); })
            .then([&] { return !windowShown(viewer) && mainWindow()->isEnabled(); }, record);
    });
    const QStringList available{"mnuExit", "mnuStuff(1)", "mnuSpecial(5)"};
    QCOMPARE(enabled, (QList<QStringList>{available, available, available}));
    QCOMPARE(boxes.texts().size(), 1);
}

void MainWindowTest::layoutDependsOnScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("secondYearLeft");
    QTest::addColumn<int>("photoWidth");
    QTest::newRow("designed screen") << "800x600" << 750 / 15 << 640;
    QTest::newRow("larger screen") << "1024x768" << 740 / 15 << 620;
}

void MainWindowTest::layoutDependsOnScreen()
{
    QFETCH(QString, screen);
    QFETCH(int, secondYearLeft);
    QFETCH(int, photoWidth);
    qputenv("GALLERION_SCREEN", screen.toLatin1());
    // The designed size, unscaled, shows the layout rule's own pixels.
    qputenv("GALLERION_SCALE", "1");
    int left = 0;
    int width = 0;
    runOnSampleDisc([&] {
        left = control(QStringLiteral("cmdYR(2)"))->x();
        width = control(QStringLiteral("Image4"))->width();
    });
    QCOMPARE(left, secondYearLeft);
    QCOMPARE(width, photoWidth);
}

// The design is 800 x 500 pixels: the stage takes the largest size of those
// proportions, the photo and the pictures over it keep their design places.
void MainWindowTest::stageScalesWithTheWindow()
{
    struct Seen
    {
        QSize area;
        QRect stage;
        QRect photo;
        QRect clipArt;
    };
    QList<Seen> seen;
    runOnSampleDisc([&] {
        clickYear(38);
        click(QStringLiteral("cmdClipArt"));
        auto *form = qobject_cast<QMainWindow *>(mainWindow());
        for (const QSize size : {QSize(1920, 1080), QSize(1000, 1000), QSize(800, 600)}) {
            form->resize(size);
            QApplication::processEvents();
            seen.append({form->centralWidget()->size(),
                         control(QStringLiteral("stage"))->geometry(),
                         control(QStringLiteral("Image4"))->geometry(),
                         control(QStringLiteral("picClipArt"))->geometry()});
        }
    });
    QCOMPARE(seen.size(), 3);
    for (const Seen &at : seen) {
        const double scale = std::min(at.area.width() / 800.0, at.area.height() / 500.0);
        QVERIFY2(std::abs(at.stage.width() - 800 * scale) <= 1 &&
                     std::abs(at.stage.height() - 500 * scale) <= 1,
                 qPrintable(QStringLiteral("stage %1x%2 in %3x%4")
                                .arg(at.stage.width())
                                .arg(at.stage.height())
                                .arg(at.area.width())
                                .arg(at.area.height())));
        QVERIFY((at.stage.center() - QRect(QPoint(0, 0), at.area).center()).manhattanLength() <= 2);
        // 640 design pixels wide, or 620 in the compacted layout of other screens.
        const double photoWidth = at.photo.width() / scale;
        QVERIFY2(std::abs(photoWidth - 640) <= 1 || std::abs(photoWidth - 620) <= 1,
                 qPrintable(QString::number(photoWidth)));
        // The clip art keeps its design place at the photo's top right.
        QCOMPARE(at.clipArt.top(), at.photo.top());
        const double clipLeft = at.photo.width() - at.clipArt.width() + 6 * scale;
        QVERIFY2(std::abs(at.clipArt.left() - clipLeft) <= 2,
                 qPrintable(QString::number(at.clipArt.left())));
    }
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
