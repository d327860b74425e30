#include "startup/programstate.h"
#include "support/e2e.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;

namespace {

const QString CopyQuestion =
    QStringLiteral("Would you like to copy this image to the Windows Clipboard?");

QLabel *picture(const char *name)
{
    return control<QLabel>(QLatin1String(name));
}

// The program path of the picture a box shows, when it shows.
QString shownPath(const char *name)
{
    QLabel *box = picture(name);
    return box->isVisible() ? box->property("picturePath").toString() : QString();
}

} // namespace

class ArtworkTest : public QObject
{
    Q_OBJECT

private slots:
    // The pictures' places are checked against the layout designed for this screen.
    void initTestCase() { qputenv("GALLERION_SCREEN", "800x600"); }
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("before")); }

    void lastYearLoadsItsThreePictures();
    void clipArtLeavesPhotoStepsOfTheEntryAlone();
    void shownPicturesFollowTheSelection();
    void emblemButtonShowsThenHides();
    void missingEmblemReportsAndShowsNothing();
    void missingClipArtOfNextYearTakesItAway();
    void leftPressNeitherAsksNorCopiesAndClickHides();
    void copyQuestionCopiesThePressedPicture();
};

void ArtworkTest::lastYearLoadsItsThreePictures()
{
    QStringList paths;
    QList<QRect> boxes;
    runOnSampleDisc([&] {
        clickYear(38);
        for (const char *button : {"cmdClipArt", "cmdEmblem", "cmdScript"})
            click(QLatin1String(button));
        for (const char *name : {"picClipArt", "picEmblem", "picScript"}) {
            paths << shownPath(name);
            boxes << picture(name)->geometry();
        }
    });
    QCOMPARE(paths, (QStringList{"E:\\Clipart\\01clip.jpg", "E:\\emblems\\emb01.jpg",
                                 "E:\\scripts\\scri01.jpg"}));
    // Each box is as large as its picture and stands by the photo at (6, 4, 640 x 392),
    // the emblem just above the button frame at 400.
    QCOMPARE(boxes, (QList<QRect>{QRect(446, 4, 200, 150), QRect(529, 319, 120, 80),
                                  QRect(7, 29, 280, 70)}));
}

void ArtworkTest::clipArtLeavesPhotoStepsOfTheEntryAlone()
{
    QString code;
    QString photoBefore;
    QString photoAfter;
    QString number;
    runOnSampleDisc([&] {
        clickYear(38);
        click("cmdClipArt");
        code = programState()->property("CurrentEntryCode").toString();
        photoBefore = programState()->property("CurrentPhotoPath").toString();
        QTest::keyClick(control(QStringLiteral("cmdYR(1)")), '.');
        photoAfter = programState()->property("CurrentPhotoPath").toString();
        number = control<QLabel>(QStringLiteral("panPhoto"))->text();
    });
    // 2001's photos are named by its entry code, not by the digits of its year.
    QCOMPARE(code, QStringLiteral("A1"));
    QVERIFY2(photoAfter.contains(QStringLiteral("\\ZARVICKS\\A1"), Qt::CaseInsensitive),
             qPrintable(photoAfter));
    QVERIFY(photoAfter != photoBefore);
    QCOMPARE(number, QStringLiteral("2"));
}

void ArtworkTest::shownPicturesFollowTheSelection()
{
    QStringList afterYear;
    QStringList afterDravent;
    QStringList afterCollection;
    runOnSampleDisc([&] {
        clickYear(3);
        for (const char *button : {"cmdClipArt", "cmdEmblem", "cmdScript"})
            click(QLatin1String(button));
        clickYear(37);
        afterYear << shownPath("picClipArt") << shownPath("picEmblem") << shownPath("picScript");
        menuEntry(QStringLiteral("mnuSpecial(2)"))->trigger();
        afterDravent << shownPath("picClipArt") << shownPath("picEmblem") << shownPath("picScript");
        menuEntry(QStringLiteral("mnuSpecial(3)"))->trigger();
        afterCollection << shownPath("picClipArt") << shownPath("picEmblem")
                        << shownPath("picScript");
    });
    QCOMPARE(afterYear, (QStringList{"E:\\ClipArt\\00clip.jpg", "E:\\emblems\\emb00.jpg",
                                     "E:\\scripts\\scri00.jpg"}));
    // The Dravent has no clip art, but an emblem and a script of its own.
    QCOMPARE(afterDravent,
             (QStringList{QString(), "E:\\emblems\\embdv.jpg", "E:\\SCRIPTS\\SCRIDV.jpg"}));
    QCOMPARE(afterCollection, (QStringList{QString(), QString(), QString()}));
}

void ArtworkTest::emblemButtonShowsThenHides()
{
    bool shownFirst = false;
    bool shownSecond = true;
    QString focus;
    runOnSampleDisc([&] {
        mainWindow()->activateWindow();
        clickYear(4);
        click("cmdEmblem");
        shownFirst = picture("picEmblem")->isVisible();
        click("cmdEmblem");
        shownSecond = picture("picEmblem")->isVisible();
        focus = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    });
    QVERIFY(shownFirst);
    QVERIFY(!shownSecond);
    QCOMPARE(focus, QStringLiteral("cmdYR(5)"));
}

void ArtworkTest::missingEmblemReportsAndShowsNothing()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    fixture.removeDiscFile(QStringLiteral("emblems/emb67.jpg"));
    bool shown = true;
    bool enabled = false;
    QString code;
    runOnMainWindow(fixture, [&] {
        clickYear(3);
        click("cmdEmblem");
        clickYear(4);
        shown = picture("picEmblem")->isVisible();
        code = programState()->ErrorCode;
        click("cmdEmblem");
        shown = shown || picture("picEmblem")->isVisible();
        enabled = mainWindow()->isEnabled();
    });
    // Once when 1967 took over the shown emblem, once from the button.
    QCOMPARE(boxes.texts().size(), 2);
    for (const QString &text : boxes.texts())
        QVERIFY2(text.startsWith(QStringLiteral("Error number: ER022")), qPrintable(text));
    QCOMPARE(code, QStringLiteral("ER022"));
    QVERIFY(!shown);
    QVERIFY(enabled);
}

void ArtworkTest::missingClipArtOfNextYearTakesItAway()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    fixture.removeDiscFile(QStringLiteral("Clipart/68clip.jpg"));
    QString before;
    bool shownAfter = true;
    runOnMainWindow(fixture, [&] {
        clickYear(4);
        click("cmdClipArt");
        before = shownPath("picClipArt");
        clickYear(5);
        shownAfter = picture("picClipArt")->isVisible();
    });
    QCOMPARE(before, QStringLiteral("E:\\Clipart\\67clip.jpg"));
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith(QStringLiteral("Error number: ER024")));
    QVERIFY(!shownAfter);
}

void ArtworkTest::leftPressNeitherAsksNorCopiesAndClickHides()
{
    BoxAnswerer boxes;
    QString marker;
    bool shownAfterPress = false;
    bool shownAfterClick = true;
    runOnSampleDisc([&] {
        clickYear(4);
        click("cmdScript");
        programState()->LastMouseButton = QStringLiteral("2");
        QTest::mousePress(picture("picScript"), Qt::LeftButton);
        marker = programState()->LastMouseButton;
        shownAfterPress = picture("picScript")->isVisible();
        QTest::mouseRelease(picture("picScript"), Qt::LeftButton);
        shownAfterClick = picture("picScript")->isVisible();
    });
    QCOMPARE(marker, QStringLiteral(" "));
    QVERIFY(boxes.texts().isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY(shownAfterPress);
    QVERIFY(!shownAfterClick);
}

void ArtworkTest::copyQuestionCopiesThePressedPicture()
{
    BoxAnswerer boxes({QMessageBox::No, QMessageBox::Yes});
    QString afterNo;
    QSize copied;
    QSize emblem;
    QString marker;
    bool stillShown = false;
    runOnSampleDisc([&] {
        clickYear(4);
        click("cmdClipArt");
        click("cmdEmblem");
        QTest::mousePress(picture("picClipArt"), Qt::RightButton);
        afterNo = QGuiApplication::clipboard()->text();
        QTest::mousePress(picture("picEmblem"), Qt::RightButton);
        marker = programState()->LastMouseButton;
        copied = QGuiApplication::clipboard()->image().size();
        emblem = picture("picEmblem")->pixmap().size();
        stillShown = picture("picEmblem")->isVisible() && picture("picClipArt")->isVisible();
    });
    QCOMPARE(boxes.texts(), (QStringList{CopyQuestion, CopyQuestion}));
    QCOMPARE(boxes.titles().value(0), QStringLiteral("The Zarvick Gallerion 2001"));
    QCOMPARE(afterNo, QStringLiteral("before"));
    QCOMPARE(marker, QStringLiteral("2"));
    QCOMPARE(emblem, QSize(120, 80));
    QCOMPARE(copied, emblem);
    QVERIFY(stillShown);
}

QTEST_MAIN(ArtworkTest)
#include "tst_artwork.moc"
