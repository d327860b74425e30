#include "catalogue/delaycycle.h"
#include "slideshow/slidehandback.h"
#include "slideshow/slidesteps.h"

#include <QTest>

using namespace gallerion;

class SlideRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void stepsWrapAtBothEnds();
    void jumpsWrapEarly();
    void middleRoundsHalfToEven();
    void timerWrapsAfterOneEmptyTick();
    void pauseTakesBackTheNextSlide();
    void delayCycleClosesBothWays();
    void middleCaptionNamesCollections();
    void handBackFollowsTheEntry();
};

void SlideRulesTest::stepsWrapAtBothEnds()
{
    QCOMPARE(stepSlide(SlideStep::Forward, 5, 20), 6);
    QCOMPARE(stepSlide(SlideStep::Forward, 20, 20), 1);
    // Paused right after the timer wrapped.
    QCOMPARE(stepSlide(SlideStep::Forward, 0, 20), 1);
    QCOMPARE(stepSlide(SlideStep::Backward, 5, 20), 4);
    QCOMPARE(stepSlide(SlideStep::Backward, 1, 20), 20);
    QCOMPARE(stepSlide(SlideStep::Backward, 0, 20), 20);
}

void SlideRulesTest::jumpsWrapEarly()
{
    QCOMPARE(stepSlide(SlideStep::JumpBackward, 11, 40), 1);
    QCOMPARE(stepSlide(SlideStep::JumpBackward, 10, 40), 40);
    QCOMPARE(stepSlide(SlideStep::JumpForward, 29, 40), 39);
    // A jump that would land on the last photo goes to the first.
    QCOMPARE(stepSlide(SlideStep::JumpForward, 30, 40), 1);
}

void SlideRulesTest::middleRoundsHalfToEven()
{
    QCOMPARE(middleSlide(241), 120);
    QCOMPARE(middleSlide(243), 122);
    QCOMPARE(middleSlide(242), 121);
    QCOMPARE(middleSlide(1), 1);
    QCOMPARE(middleSlide(0), 0);
}

void SlideRulesTest::timerWrapsAfterOneEmptyTick()
{
    int next = 0;
    QList<int> shown;
    for (int i = 0; i < 6; ++i) {
        const SlideTick tick = tickSlide(next, 3);
        shown.append(tick.shown);
        next = tick.next;
    }
    QCOMPARE(shown, (QList<int>{1, 2, 3, 0, 1, 2}));
}

void SlideRulesTest::pauseTakesBackTheNextSlide()
{
    QCOMPARE(pausedSlide(8, 20), 7);
    // Right after the wrap nothing is on view yet: Fwd then shows photo 1.
    QCOMPARE(pausedSlide(1, 20), 0);
    QCOMPARE(pausedSlide(0, 20), 20);
}

void SlideRulesTest::delayCycleClosesBothWays()
{
    int delay = ShortestSlideDelay;
    QList<int> up;
    do {
        delay = stepSlideDelay(delay, true);
        up.append(delay);
    } while (delay != ShortestSlideDelay && up.size() < 40);
    QCOMPARE(up, (QList<int>{2000, 3000, 4000, 5000, 10000, 15000, 20000, 25000, 30000, 35000,
                             40000, 45000, 50000, 55000, 60000, 1000}));
    for (int i = 0; i + 1 < up.size(); ++i)
        QCOMPARE(stepSlideDelay(up[i + 1], false), up[i]);
    QCOMPARE(stepSlideDelay(ShortestSlideDelay, false), LongestSlideDelay);
    QCOMPARE(delayCaption(10000), QStringLiteral("10 seconds"));
}

void SlideRulesTest::middleCaptionNamesCollections()
{
    QCOMPARE(middleCaption(QStringLiteral("65")), QStringLiteral("1965"));
    QCOMPARE(middleCaption(QStringLiteral("A0")), QStringLiteral("2000"));
    QCOMPARE(middleCaption(QStringLiteral("PT")), QStringLiteral("Early Zarvick Prototypes "));
}

void SlideRulesTest::handBackFollowsTheEntry()
{
    const PhotoHandBack year = slideHandBack(QStringLiteral("1971 "), 40);
    QCOMPARE(year.index, 40);
    QCOMPARE(year.focusYearButton, 9);
    QCOMPARE(year.selectedYearButton, 8);
    QCOMPARE(year.statsCaption, QStringLiteral("Engines"));
    QVERIFY(!year.asCollection);

    const PhotoHandBack y2000 = slideHandBack(QStringLiteral("2000"), 1);
    QCOMPARE(y2000.focusYearButton, 38);
    QCOMPARE(y2000.selectedYearButton, 37);
    const PhotoHandBack y2001 = slideHandBack(QStringLiteral("2001"), 1);
    QCOMPARE(y2001.focusYearButton, 1);
    QCOMPARE(y2001.selectedYearButton, 0);

    for (const char *caption : {"Zarvick Cookies ", "Zarvick Mach III ", "Zarvick Calendars "}) {
        const PhotoHandBack collection = slideHandBack(QLatin1String(caption), 3);
        QVERIFY(collection.asCollection);
        QCOMPARE(collection.statsCaption, QStringLiteral("Details"));
        QCOMPARE(collection.focusYearButton, 1);
        QCOMPARE(collection.selectedYearButton, 0);
    }
    const PhotoHandBack dravent = slideHandBack(QStringLiteral("The Classic Dravent "), 3);
    QVERIFY(!dravent.asCollection);
    QCOMPARE(dravent.focusYearButton, 1);
}

QTEST_APPLESS_MAIN(SlideRulesTest)
#include "tst_sliderules.moc"
