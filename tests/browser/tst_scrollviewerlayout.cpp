#include "browser/scrollviewerlayout.h"

#include <QTest>

using namespace gallerion;

namespace {

constexpr int Bar = 17;

// A window whose viewport, once the two bars are taken off, is the given size.
ScrollViewInput window(const QSize &viewport, const QSize &picture)
{
    ScrollViewInput input;
    input.inner = viewport + QSize(Bar, Bar);
    input.verticalBarWidth = Bar;
    input.horizontalBarHeight = Bar;
    input.picture = picture;
    return input;
}

} // namespace

class ScrollViewerLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void largePictureScrollsBothWays();
    void openerPagesByWholeRatio();
    void smallPictureDisablesBothBars();
    void widePictureScrollsOnlySideways();
    void barsAndCornerFrameTheViewport();
    void stepsThatCannotApplyAreSkipped();
    void pagingByLessThanOneKeepsTheOldValue();

    void fittedPicture_data();
    void fittedPicture();
};

void ScrollViewerLayoutTest::largePictureScrollsBothWays()
{
    const ScrollViewPlan plan = planScrollView(window({1000, 700}, {2500, 1400}));
    QCOMPARE(plan.viewport, QRect(0, 0, 1000, 700));
    QCOMPARE(plan.horizontal.maximum, 1500);
    QCOMPARE(plan.horizontal.largeChange, 125);
    QVERIFY(plan.horizontal.enabled);
    QCOMPARE(plan.vertical.maximum, 700);
    QCOMPARE(plan.vertical.largeChange, 58);
    QVERIFY(plan.vertical.enabled);
}

void ScrollViewerLayoutTest::openerPagesByWholeRatio()
{
    ScrollViewInput input = window({1000, 700}, {2500, 1400});
    input.largeChangeInSixths = false;
    const ScrollViewPlan plan = planScrollView(input);
    QCOMPARE(plan.horizontal.largeChange, 750);
    QCOMPARE(plan.vertical.largeChange, 350);
}

void ScrollViewerLayoutTest::smallPictureDisablesBothBars()
{
    const ScrollViewPlan plan = planScrollView(window({800, 600}, {640, 480}));
    QVERIFY(!plan.horizontal.enabled);
    QVERIFY(!plan.vertical.enabled);
    QCOMPARE(plan.horizontal.maximum, -160);
    QCOMPARE(plan.vertical.maximum, -120);
    QVERIFY(!plan.horizontal.largeChange);
    QVERIFY(!plan.vertical.largeChange);
}

void ScrollViewerLayoutTest::widePictureScrollsOnlySideways()
{
    const ScrollViewPlan plan = planScrollView(window({800, 600}, {1100, 600}));
    QVERIFY(plan.horizontal.enabled);
    QCOMPARE(plan.horizontal.maximum, 300);
    QCOMPARE(plan.horizontal.largeChange, 50);
    QVERIFY(!plan.vertical.enabled);
    QCOMPARE(plan.vertical.maximum, 0);
}

void ScrollViewerLayoutTest::barsAndCornerFrameTheViewport()
{
    const ScrollViewPlan plan = planScrollView(window({1000, 700}, {2500, 1400}));
    QCOMPARE(plan.horizontal.geometry, QRect(0, 700, 1000, Bar));
    QCOMPARE(plan.vertical.geometry, QRect(1000, 0, Bar, 700));
    QCOMPARE(plan.corner, QRect(1000, 700, Bar, Bar));
}

void ScrollViewerLayoutTest::stepsThatCannotApplyAreSkipped()
{
    // A window smaller than its bars keeps the viewport it had, and a
    // picture too wide for a scroll value keeps the bar's Max.
    ScrollViewInput input = window({0, 0}, {40000, 300});
    input.inner = QSize(10, 10);
    input.viewport = QRect(0, 0, 200, 100);
    input.horizontalMaximum = 6000;
    const ScrollViewPlan plan = planScrollView(input);
    QVERIFY(!plan.viewport);
    QCOMPARE(plan.horizontal.geometry, QRect(0, 100, 200, Bar));
    QVERIFY(!plan.horizontal.maximum);
    QVERIFY(plan.horizontal.enabled);
    // Paging is worked out from the Max the bar kept: 6000 \ 200 \ 6.
    QCOMPARE(plan.horizontal.largeChange, 5);
    QCOMPARE(plan.vertical.maximum, 200);
}

void ScrollViewerLayoutTest::pagingByLessThanOneKeepsTheOldValue()
{
    const ScrollViewPlan plan = planScrollView(window({800, 600}, {805, 603}));
    QVERIFY(plan.horizontal.enabled);
    QCOMPARE(plan.horizontal.maximum, 5);
    QVERIFY(!plan.horizontal.largeChange);
    QVERIFY(!plan.vertical.largeChange);
}

void ScrollViewerLayoutTest::fittedPicture_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("landscape year fills the screen")
        << QStringLiteral("1990") << QSize(800, 600) << QRect(0, 0, 800, 600);
    QTest::newRow("last landscape year")
        << QStringLiteral("1996") << QSize(1024, 768) << QRect(0, 0, 1024, 768);
    QTest::newRow("portrait year is centred")
        << QStringLiteral("1991") << QSize(800, 600) << QRect(169, 0, 462, 600);
    QTest::newRow("portrait on a larger screen")
        << QStringLiteral("1966") << QSize(1024, 768) << QRect(216, 0, 591, 768);
    QTest::newRow("collections are portrait")
        << QStringLiteral("The Classic Dravent ") << QSize(800, 600) << QRect(169, 0, 462, 600);
}

void ScrollViewerLayoutTest::fittedPicture()
{
    QFETCH(QString, caption);
    QFETCH(QSize, screen);
    QFETCH(QRect, expected);
    QCOMPARE(fittedPictureRect(caption, screen, 0), expected);
}

QTEST_GUILESS_MAIN(ScrollViewerLayoutTest)
#include "tst_scrollviewerlayout.moc"
