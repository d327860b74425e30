#include "browser/mainwindowlayout.h"
#include "browser/windowplacement.h"

#include <QTest>

using namespace gallerion;

class MainWindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void compactYearButtons();
    void compactPhotoFrameAndExit();
    void compactPanelButtonsArePacked();
    void designedLayoutFitsItsStage();

    void placement_data();
    void placement();
};

void MainWindowLayoutTest::compactYearButtons()
{
    MainWindowLayout layout = MainWindowLayout::designed();
    layout.compact();
    QCOMPARE(layout.yearButton[1].width(), 630);
    QCOMPARE(layout.yearButton[20].width(), 630);
    QCOMPARE(layout.yearButton[2].left(), 740);
    QCOMPARE(layout.yearButton[19].left(), 8900);
    for (int i = 21; i <= 38; ++i) {
        QCOMPARE(layout.yearButton[i].width(), 480);
        // Each second-row button stands under the one 19 places before it.
        QCOMPARE(layout.yearButton[i].left(), layout.yearButton[i - 19].left());
        QVERIFY(layout.yearButton[i].top() > layout.yearButton[i - 19].top());
    }
    // Row tops are not touched by the compaction.
    QCOMPARE(layout.yearButton[5].top(), MainWindowLayout::designed().yearButton[5].top());
}

void MainWindowLayoutTest::compactPhotoFrameAndExit()
{
    const MainWindowLayout designed = MainWindowLayout::designed();
    MainWindowLayout layout = designed;
    layout.compact();
    QCOMPARE(layout.image4.size(), QSize(620, 356));
    QCOMPARE(layout.image4.topLeft(), designed.image4.topLeft());
    QCOMPARE(layout.frame1.top(), layout.image4.top() + 356 - 10);
    QCOMPARE(layout.exitButton.left(), 8900 + 480);
}

void MainWindowLayoutTest::compactPanelButtonsArePacked()
{
    const MainWindowLayout designed = MainWindowLayout::designed();
    MainWindowLayout layout = designed;
    layout.compact();
    const int desc = MainWindowLayout::panelIndex("cmdDesc");
    QCOMPARE(layout.panelButton[desc].left(), designed.panelButton[desc].left() - 4);
    QCOMPARE(layout.panelButton[desc].width(), designed.panelButton[desc].width() - 7);
    QCOMPARE(layout.panelButton[MainWindowLayout::panelIndex("cmdAd")].width(),
             designed.panelButton[MainWindowLayout::panelIndex("cmdAd")].width() - 10);
    QCOMPARE(layout.panelButton[MainWindowLayout::panelIndex("cmdNostalgia")].width(),
             designed.panelButton[MainWindowLayout::panelIndex("cmdNostalgia")].width() - 20);
    for (int i = 1; i < MainWindowLayout::PanelCount; ++i) {
        const QRect &before = layout.panelButton[i - 1];
        QCOMPARE(layout.panelButton[i].left(), before.left() + before.width());
    }
    QCOMPARE(MainWindowLayout::panelIndex("cmdOptions"), 1);
    QCOMPARE(MainWindowLayout::panelIndex("cmdNostalgia"), 8);
}

void MainWindowLayoutTest::designedLayoutFitsItsStage()
{
    const MainWindowLayout layout = MainWindowLayout::designed();
    const QRect stage(QPoint(0, 0), mainStageSize());
    QVERIFY(stage.contains(layout.image4));
    QVERIFY(stage.contains(layout.frame1));
    QVERIFY(!layout.image4.intersects(layout.frame1));
    // Twips of the year strip, 15 to the pixel.
    QVERIFY(layout.exitButton.right() / 15 < stage.width());
    for (int i = 2; i <= 19; ++i)
        QVERIFY(!layout.yearButton[i].intersects(layout.yearButton[i - 1]));
}

void MainWindowLayoutTest::placement_data()
{
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");
    const QList<QRect> one{QRect(0, 0, 1024, 768)};
    // A small screen on the left, a large one on its right.
    const QList<QRect> two{QRect(0, 0, 1024, 768), QRect(1024, 0, 1920, 1080)};
    QTest::newRow("missing settings fill the screen")
        << QStringList{"0", "0", "15360", "11520"} << one << QRect(0, 0, 1024, 768);
    QTest::newRow("saved placement kept")
        << QStringList{"1500", "1500", "12000", "9000"} << one << QRect(100, 100, 800, 600);
    QTest::newRow("not a number falls back")
        << QStringList{"abc", "3000", "wide", "9000"} << one << QRect(0, 168, 1024, 600);
    QTest::newRow("off every screen comes back")
        << QStringList{"45000", "30000", "12000", "9000"} << one << QRect(0, 0, 800, 600);
    QTest::newRow("above the screen comes back")
        << QStringList{"0", "-6000", "12000", "9000"} << one << QRect(0, 0, 800, 600);
    QTest::newRow("tiny window grows")
        << QStringList{"0", "0", "15", "15"} << one << QRect(0, 0, 320, 240);
    QTest::newRow("saved on a larger screen is bounded")
        << QStringList{"1500", "1500", "28800", "16200"} << one << QRect(0, 0, 1024, 768);
    QTest::newRow("partly off the screen moves onto it")
        << QStringList{"7500", "3000", "12000", "9000"} << one << QRect(224, 168, 800, 600);
    QTest::newRow("large screen keeps a large window")
        << QStringList{"15360", "0", "28800", "16200"} << two << QRect(1024, 0, 1920, 1080);
    QTest::newRow("bounded by the screen it lands on")
        << QStringList{"0", "0", "18000", "13500"} << two << QRect(0, 0, 1024, 768);
    QTest::newRow("off both screens comes back to the first")
        << QStringList{"0", "30000", "28800", "16200"} << two << QRect(0, 0, 1024, 768);
}

void MainWindowLayoutTest::placement()
{
    QFETCH(QStringList, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    const SavedPlacement placement{saved[0], saved[1], saved[2], saved[3]};
    QCOMPARE(placementInPixels(placement, QSize(15360, 11520), screens), expected);
}

QTEST_GUILESS_MAIN(MainWindowLayoutTest)
#include "tst_mainwindowlayout.moc"
