#include "widgets/designstage.h"
#include "platform/media/multimediadevice.h"
#include "platform/twips.h"
#include "startup/programstate.h"
#include "support/e2e.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace gallerion;
using namespace gallerion::test;
using Button = MultimediaDevice::Button;

namespace {

const QString Slide = QStringLiteral("frmSlide");

template <typename T = QWidget> T *inShow(const char *name)
{
    return controlOf<T>(Slide, QLatin1String(name));
}

QString text(const char *name)
{
    return inShow<QLabel>(name)->text();
}

bool showOpen()
{
    return windowShown(Slide);
}

void press(Button button)
{
    inShow<MultimediaDevice>("mmSlide")->button(button)->click();
}

// Adds the steps that open the show from the File menu and wait for it.
void openShow(Script &script)
{
    script.thenStart([] { menuEntry(QStringLiteral("mnuSlideShow"))->trigger(); })
        .then(showOpen, [] {});
}

// The number panel once it shows a caption that starts so.
std::function<bool()> numberStartsWith(const QString &start)
{
    return [start] {
        return inShow("pnlPhotoNumber")->isVisible() && text("pnlPhotoNumber").startsWith(start);
    };
}

// Index in the photo list of the first photo whose name starts with this.
int indexOfPhoto(const QString &name)
{
    const QStringList list = programState()->photoList();
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].contains(QStringLiteral("\\zarvicks\\") + name))
            return i + 1;
    }
    return 0;
}

QString numberCaption(int index, int count)
{
    return QStringLiteral("%1 of %2").arg(index).arg(count);
}

} // namespace

class SlideShowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("GALLERION_SCREEN", "800x600"); }

    void opensPausedOnTheMainWindowsPhoto();
    void playsFromPhotoOneWithoutAPhoto();
    void exitHandsBackACollection();
    void missingPhotoReportsAndTheNextStepGoesOn();
    void smallDisplayCompactsTheLayout();
};

void SlideShowTest::opensPausedOnTheMainWindowsPhoto()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    int first = 0;
    int count = 0;
    QStringList opened;
    bool pauseEnabled = true;
    bool recordVisible = true;
    int timerInterval = -1;
    bool noConfirm = false;
    QString afterFwd;
    QString entryCode;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(3); });
        openShow(script);
        script.then([&] {
            first = indexOfPhoto(QStringLiteral("66"));
            count = programState()->photoCount();
            opened << topLevel(Slide)->windowTitle() << text("panYear") << text("pnlPhotoNumber")
                   << text("panInterval") << text("PnlCoStar");
            pauseEnabled = inShow<MultimediaDevice>("mmSlide")->isButtonEnabled(Button::Pause);
            recordVisible = inShow<MultimediaDevice>("mmSlide")->isButtonVisible(Button::Record);
            timerInterval = inShow<QTimer>("Timer1")->interval();
            noConfirm = programState()->SlideNoConfirm;
            entryCode = programState()->currentEntryCode();
            QTest::keyClick(inShow("SSCommand1"), Qt::Key_Period);
            afterFwd = text("pnlPhotoNumber");
            inShow<QPushButton>("cmdExit")->click();
        });
        script.then([] { return !showOpen(); }, [] {});
    });
    QCOMPARE(opened,
             (QStringList{"The Zarvick Gallerion Slide Show", "1966 ", numberCaption(first, count),
                          " 1 second", "The Zarvick Gallerion  2001"}));
    QVERIFY(!pauseEnabled);
    QVERIFY(!recordVisible);
    QCOMPARE(timerInterval, 0);
    QVERIFY(noConfirm);
    QCOMPARE(entryCode, QStringLiteral("66"));
    QCOMPARE(afterFwd, numberCaption(first + 1, count));
    // Closing right after opening asks nothing.
    QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(QLatin1Char('|'))));
}

void SlideShowTest::playsFromPhotoOneWithoutAPhoto()
{
    DiscFixture fixture;
    bool numberHidden = false;
    QString caption;
    bool spinWhilePlaying = true;
    QString afterPause;
    bool spinAfterPause = false;
    QString delay;
    runWithMainWindow(fixture, [&](Script &script) {
        openShow(script);
        script.then([&] {
            numberHidden = !inShow("pnlPhotoNumber")->isVisible();
            caption = text("panYear");
            press(Button::Play);
            spinWhilePlaying = inShow("SpinInterval")->isEnabled();
        });
        script.then(numberStartsWith(QStringLiteral("1 of ")), [&] {
            press(Button::Pause);
            QTest::keyClick(inShow("SSCommand1"), Qt::Key_Period);
            afterPause = text("pnlPhotoNumber");
            spinAfterPause = inShow("SpinInterval")->isEnabled();
            QTest::mouseClick(inShow("SpinInterval")->findChild<QWidget *>(QStringLiteral("Up")),
                              Qt::LeftButton);
            delay = text("panInterval");
        });
    });
    QVERIFY(numberHidden);
    QCOMPARE(caption, QStringLiteral("1964 "));
    QVERIFY(!spinWhilePlaying);
    // Paused on photo 1, the next step shows photo 2.
    QVERIFY(afterPause.startsWith(QStringLiteral("2 of ")));
    QVERIFY(spinAfterPause);
    QCOMPARE(delay, QStringLiteral("2 seconds"));
}

void SlideShowTest::exitHandsBackACollection()
{
    BoxAnswerer boxes({QMessageBox::Cancel, QMessageBox::Ok});
    DiscFixture fixture;
    QString codeWhileOpen;
    QString mainCaption;
    QString mainCode;
    QString stats;
    QStringList panelsEnabled;
    bool keptOpen = false;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { menuEntry(QStringLiteral("mnuStuff(4)"))->trigger(); });
        openShow(script);
        script.then([&] {
            codeWhileOpen = programState()->currentEntryCode();
            press(Button::Next);
            press(Button::Stop);
            mainCaption = control<QLabel>(QStringLiteral("panYear"))->text();
            mainCode = programState()->currentEntryCode();
            stats = control<QPushButton>(QStringLiteral("cmdStats"))->text();
            for (const char *name : {"cmdDesc", "cmdStats", "cmdOptions", "cmdAd"}) {
                if (control(QLatin1String(name))->isEnabled())
                    panelsEnabled << QLatin1String(name);
            }
        });
        script.thenStart([] { inShow<QPushButton>("cmdExit")->click(); });
        script.then([&] { return boxes.texts().size() == 1; }, [&] { keptOpen = showOpen(); });
        script.thenStart([] { topLevel(Slide)->close(); });
        script.then([] { return !showOpen(); }, [] {});
    });
    QCOMPARE(codeWhileOpen, QStringLiteral("67"));
    QCOMPARE(mainCaption, QStringLiteral("Zarvick Cookies "));
    QCOMPARE(mainCode, QStringLiteral("VC"));
    QCOMPARE(stats, QStringLiteral("Details"));
    QCOMPARE(panelsEnabled, QStringList());
    QVERIFY(keptOpen);
    QCOMPARE(boxes.texts(), QStringList(2, QStringLiteral("Exit The Zarvick Gallerion?")));
}

void SlideShowTest::missingPhotoReportsAndTheNextStepGoesOn()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    QString afterFailure;
    QString afterNext;
    int second = 0;
    int count = 0;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            fixture.removeDiscFile(QStringLiteral("zarvicks/67AAAA02.jpg"));
            clickYear(4);
            second = indexOfPhoto(QStringLiteral("67AAAA02"));
            count = programState()->photoCount();
        });
        openShow(script);
        script.then([&] {
            press(Button::Next);
            afterFailure = text("pnlPhotoNumber");
        });
        script.then([&] { return boxes.texts().size() == 1; },
                    [&] {
                        press(Button::Next);
                        afterNext = text("pnlPhotoNumber");
                    });
    });
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith(QStringLiteral("Error number: ER014")));
    QCOMPARE(afterFailure, numberCaption(second, count));
    QCOMPARE(afterNext, numberCaption(second + 1, count));
}

void SlideShowTest::smallDisplayCompactsTheLayout()
{
    qputenv("GALLERION_SCREEN", "640x480");
    DiscFixture fixture;
    QRect bar;
    QRect exit;
    runWithMainWindow(fixture, [&](Script &script) {
        openShow(script);
        script.then([&] {
            const auto *stage = topLevel(Slide)->findChild<DesignStage *>();
            bar = stage->designGeometry(inShow("mmSlide"));
            exit = stage->designGeometry(inShow("cmdExit"));
            topLevel(Slide)->close();
        });
    });
    qputenv("GALLERION_SCREEN", "800x600");
    QCOMPARE(bar, twipsRect(3800, 6140, 2736, 360));
    QCOMPARE(exit, twipsRect(8120, 6500, 1400, 330));
}

QTEST_MAIN(SlideShowTest)
#include "tst_slideshow.moc"
