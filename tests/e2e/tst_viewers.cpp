#include "startup/programstate.h"
#include "support/e2e.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;

namespace {

const QString Viewer = QStringLiteral("frmScroll");

template <typename T = QWidget> T *inViewer(const char *name)
{
    return controlOf<T>(Viewer, QLatin1String(name));
}

// Opens the advertisement; returns once the viewer has closed.
void clickAd()
{
    click(QStringLiteral("cmdAd"));
}

bool viewerShown()
{
    return windowShown(Viewer);
}

// The viewer has closed and the main window takes input again.
bool viewerGoneAndMainUsable()
{
    return !viewerShown() && mainWindow()->isEnabled();
}

bool scrollViewShown()
{
    for (const char *name : {"picParent", "picChild", "HScroll1", "VScroll1"}) {
        if (!inViewer(name)->isVisible())
            return false;
    }
    return true;
}

// What the test reads from an open viewer.
struct ViewerState
{
    QString title;
    QString picture;
    QPoint childAt;
    bool scrollView = false;
    bool mainEnabled = true;
    int horizontal = -1;
    int vertical = -1;
};

ViewerState readViewer()
{
    ViewerState state;
    state.title = topLevel(Viewer)->windowTitle();
    state.picture = inViewer("picChild")->property("picturePath").toString();
    state.childAt = inViewer("picChild")->pos();
    state.scrollView = scrollViewShown();
    state.mainEnabled = mainWindow()->isEnabled();
    state.horizontal = inViewer<QScrollBar>("HScroll1")->value();
    state.vertical = inViewer<QScrollBar>("VScroll1")->value();
    return state;
}

// One notch of the wheel towards the user over a control of the viewer.
QPoint wheelDown(const char *over, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *control = inViewer(over);
    const QPointF centre = control->rect().center();
    QWheelEvent event(centre, control->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &event);
    return inViewer("picChild")->pos();
}

// Adds the steps that open the advertisement, run inside() while it shows and
// wait until it has closed; inside() must close it.
void withAdvertisement(Script &script, const std::function<void()> &inside)
{
    script.thenStart(clickAd).then(viewerShown, inside).then(viewerGoneAndMainUsable, [] {});
}

} // namespace

class ViewersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("GALLERION_SCREEN", "800x600"); }

    void missingAdvertisementApologises();
    void screenSaverListClosesFirst();
    void advertisementOpensInScrollView();
    void secondOpeningStartsAfresh();
    void landscapeYearZoomsOutToWholeScreen();
    void portraitYearZoomsOutCentred();
};

void ViewersTest::missingAdvertisementApologises()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    bool enabled = false;
    bool viewerLeft = true;
    QString nextCaption;
    runOnMainWindow(fixture, [&] {
        clickYear(38);
        clickAd();
        enabled = mainWindow()->isEnabled();
        viewerLeft = topLevel(Viewer) != nullptr;
        clickYear(2);
        nextCaption = control<QLabel>(QStringLiteral("panYear"))->text();
    });
    QCOMPARE(boxes.texts(),
             QStringList{"Sorry!\r\n\r\nThe Year 2001 ad has not yet been released by Vask.\r\n"});
    QCOMPARE(boxes.titles(), QStringList{"The Zarvick Gallerion"});
    QVERIFY(enabled);
    QVERIFY(!viewerLeft);
    QCOMPARE(nextCaption, QStringLiteral("1965"));
}

void ViewersTest::screenSaverListClosesFirst()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    QWidget screenSaverList;
    screenSaverList.setObjectName(QStringLiteral("frmSSPhoto"));
    bool closed = false;
    runOnMainWindow(fixture, [&] {
        screenSaverList.show();
        clickYear(38);
        clickAd();
        closed = !screenSaverList.isVisible();
    });
    QVERIFY(closed);
    QCOMPARE(boxes.texts().size(), 1);
}

void ViewersTest::advertisementOpensInScrollView()
{
    DiscFixture fixture;
    ViewerState open;
    QPoint scrolled;
    QList<QPoint> wheeled;
    bool barsEnabled[2] = {true, true};
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(37); });
        withAdvertisement(script, [&] {
            open = readViewer();
            // A portrait page of 640 x 1000 is narrower than the viewport.
            barsEnabled[0] = inViewer("HScroll1")->isEnabled();
            barsEnabled[1] = inViewer("VScroll1")->isEnabled();
            inViewer<QScrollBar>("VScroll1")->setValue(120);
            scrolled = inViewer("picChild")->pos();
            wheeled << wheelDown("picChild") << wheelDown("VScroll1")
                    << wheelDown("picChild", Qt::ShiftModifier);
            inViewer<QPushButton>("SSCommand1")->click();
        });
    });
    QCOMPARE(open.title, QStringLiteral("The Zarvick Gallerion    2000 Advertisement"));
    QCOMPARE(open.picture, QStringLiteral("E:\\ads\\00vazk00.jpg"));
    QCOMPARE(open.childAt, QPoint(0, 0));
    QVERIFY(open.scrollView);
    QVERIFY(!open.mainEnabled);
    QVERIFY(!barsEnabled[0]);
    QVERIFY(barsEnabled[1]);
    QCOMPARE(scrolled, QPoint(0, -120));
    // The wheel scrolls by a useful step, the same over the picture and the
    // bar; sideways there is nothing to scroll.
    const int step = scrolled.y() - wheeled.at(0).y();
    QVERIFY(step >= 40);
    QCOMPARE(wheeled,
             (QList<QPoint>{{0, -120 - step}, {0, -120 - 2 * step}, {0, -120 - 2 * step}}));
}

void ViewersTest::secondOpeningStartsAfresh()
{
    DiscFixture fixture;
    ViewerState second;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(27); });
        withAdvertisement(script, [&] {
            inViewer<QScrollBar>("HScroll1")->setValue(200);
            inViewer<QScrollBar>("VScroll1")->setValue(100);
            QTest::mouseClick(inViewer("picChild"), Qt::LeftButton);
            QTest::mousePress(inViewer("Image1"), Qt::RightButton);
        });
        withAdvertisement(script, [&] {
            second = readViewer();
            QTest::mousePress(inViewer("picChild"), Qt::RightButton);
        });
    });
    QVERIFY(second.scrollView);
    QCOMPARE(second.childAt, QPoint(0, 0));
    QCOMPARE(second.horizontal, 0);
    QCOMPARE(second.vertical, 0);
}

void ViewersTest::landscapeYearZoomsOutToWholeScreen()
{
    DiscFixture fixture;
    QRect fitted;
    bool scrollViewHidden = false;
    QPoint before;
    QPoint after;
    bool backInScrollView = false;
    bool stillOpen = false;
    QPoint sideways;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(27); });
        withAdvertisement(script, [&] {
            // With Shift the wheel scrolls sideways.
            inViewer<QScrollBar>("HScroll1")->setValue(90);
            sideways = wheelDown("picParent", Qt::ShiftModifier);
            inViewer<QScrollBar>("HScroll1")->setValue(150);
            before = inViewer("picChild")->pos();
            QTest::mouseClick(inViewer("picChild"), Qt::LeftButton);
            fitted = inViewer("Image1")->geometry();
            scrollViewHidden = !inViewer("picParent")->isVisible() &&
                               !inViewer("HScroll1")->isVisible() &&
                               inViewer("Image1")->isVisible();
            QTest::mouseClick(inViewer("Image1"), Qt::LeftButton);
            backInScrollView = scrollViewShown();
            after = inViewer("picChild")->pos();
            // A right press on the picture in the scroll view closes it.
            QTest::mousePress(inViewer("picChild"), Qt::MiddleButton);
            stillOpen = viewerShown();
            QTest::mousePress(inViewer("picChild"), Qt::RightButton);
        });
    });
    QCOMPARE(fitted, QRect(0, 0, 800, 600));
    QVERIFY(scrollViewHidden);
    QVERIFY(backInScrollView);
    QVERIFY(sideways.x() <= -90 - 40);
    QCOMPARE(sideways.y(), 0);
    QCOMPARE(before, QPoint(-150, 0));
    QCOMPARE(after, before);
    QVERIFY(stillOpen);
}

void ViewersTest::portraitYearZoomsOutCentred()
{
    DiscFixture fixture;
    QRect fitted;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(28); });
        withAdvertisement(script, [&] {
            QTest::mouseClick(inViewer("picChild"), Qt::LeftButton);
            fitted = inViewer("Image1")->geometry();
            // A right press on the fitted picture closes the viewer.
            QTest::mousePress(inViewer("Image1"), Qt::RightButton);
        });
    });
    // 0.77 times the screen's height, in the middle of its width.
    QCOMPARE(fitted, QRect(169, 0, 462, 600));
}

QTEST_MAIN(ViewersTest)
#include "tst_viewers.moc"
