#include "platform/filesystem.h"
#include "platform/platform.h"
#include "platform/taskbar.h"
#include "support/scriptedmessageboxes.h"
#include "utilities/aboutplacement.h"
#include "utilities/resolutioncheck.h"
#include "utilities/systeminfo.h"
#include "utilities/taskbartoggle.h"

#include <QAction>
#include <QTest>
#include <QWidget>

using namespace gallerion;

namespace {

const QString Crlf = QStringLiteral("\r\n");

QString adviceFor(const QString &firstLine)
{
    return QStringList{
               firstLine,
               QString(),
               "The optimum setting for the Zarvick Gallerion is 800 by 600 pixels.",
               QString(),
               "Also, The Zarvick Gallerion requires that the Small Fonts display setting is "
               "selected.",
               QString(),
               "To change your resolution and font size settings perform the following steps:",
               "    1)  Click the right mouse button while the cursor is on the Windows desktop.",
               "    2)  Select the Properties option from the window that will be displayed.",
               "    3)  Select the Settings tab.",
               "    4)  Adjust the Screen area Slide control to 800x600.",
               "    5)  You may also want to set the Colors to the highest level allowed by your",
               "         graphics card.",
               "    6)  To change the font size setting:",
               "          Click the Advanced button on the bottom right of the above window.",
               "          Select Small Fonts from the font size drop-down list box.",
               QString(),
               "You may now have to re-start your computer for the new settings to take affect.",
           }
               .join(Crlf) +
           Crlf;
}

} // namespace

class UtilitiesTest : public QObject
{
    Q_OBJECT

private slots:
    void resolutionMessage_data();
    void resolutionMessage();
    void taskbarToggleCoversTheScreenAndGivesTheWindowBack();
    void aboutBoxStaysOnScreen_data();
    void aboutBoxStaysOnScreen();
    void systemInfoIsUnavailableWithoutARegistry();
};

void UtilitiesTest::resolutionMessage_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::newRow("800 x 600") << QSize(800, 600)
                               << QStringLiteral(
                                      "Your current screen resolution is set at 800x600.\r\n\r\n"
                                      "This is the optimum setting for the Zarvick Gallerion!")
                               << int(MessageIcon::None);
    QTest::newRow("1024 x 768") << QSize(1024, 768)
                                << adviceFor("Your current screen resolution is set at  1024 by "
                                             "768 pixles.")
                                << int(MessageIcon::Exclamation);
    QTest::newRow("640 x 480") << QSize(640, 480)
                               << adviceFor("Your current screen resolution is set at  640 by 480 "
                                            "pixles.")
                               << int(MessageIcon::Exclamation);
}

void UtilitiesTest::resolutionMessage()
{
    QFETCH(QSize, pixels);
    QFETCH(QString, text);
    QFETCH(int, icon);
    const MessageRequest request = gallerion::resolutionMessage(pixels * 15);
    QCOMPARE(request.text, text);
    QCOMPARE(int(request.icon), icon);
    QCOMPARE(request.title, QStringLiteral("The Zarvick Gallerion 2001"));
    QCOMPARE(int(request.buttons), int(MessageButtons::Ok));
}

void UtilitiesTest::taskbarToggleCoversTheScreenAndGivesTheWindowBack()
{
    QWidget window;
    window.resize(400, 300);
    window.showMaximized();
    QAction entry(QStringLiteral("HideStatusBar"));
    Taskbar taskbar;

    toggleTaskbar(entry, taskbar, window);
    QCOMPARE(entry.text(), QStringLiteral("ShowStatusBar"));
    QVERIFY(window.isFullScreen());

    toggleTaskbar(entry, taskbar, window);
    QCOMPARE(entry.text(), QStringLiteral("HideStatusBar"));
    QVERIFY(!window.isFullScreen());
    QVERIFY(window.isMaximized());

    // A window that left the whole screen by itself keeps the state it took.
    toggleTaskbar(entry, taskbar, window);
    window.showNormal();
    taskbar.show(window);
    QVERIFY(!window.isMaximized());
    QVERIFY(!window.isFullScreen());
}

void UtilitiesTest::aboutBoxStaysOnScreen_data()
{
    QTest::addColumn<QSize>("mainWindow");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    const QSize box(400, 288);
    // Centred in an area of the main window's size at the screen's origin.
    QTest::newRow("large screen") << QSize(800, 600) << QRect(0, 0, 1920, 1080)
                                  << QPoint((800 - box.width()) / 2, (600 - box.height()) / 2);
    // A main window smaller than the box would put it above and left of the screen.
    QTest::newRow("small main window") << QSize(300, 200) << QRect(0, 0, 640, 480) << QPoint(0, 0);
    // A main window larger than the screen would push it past the right and bottom.
    QTest::newRow("small screen") << QSize(1600, 1200) << QRect(0, 0, 640, 480)
                                  << QPoint(640 - box.width(), 480 - box.height());
    QTest::newRow("panel on top") << QSize(300, 200) << QRect(0, 32, 800, 568) << QPoint(0, 32);
    QTest::newRow("box larger than screen")
        << QSize(800, 600) << QRect(0, 0, 320, 240) << QPoint(0, 0);
}

void UtilitiesTest::aboutBoxStaysOnScreen()
{
    QFETCH(QSize, mainWindow);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(aboutBoxPosition(mainWindow, QSize(400, 288), screen), expected);
}

void UtilitiesTest::systemInfoIsUnavailableWithoutARegistry()
{
    Platform platform(FileSystem(DriveTable(), QStringLiteral("/tmp"), {}), nullptr);
    auto boxes = std::make_unique<test::ScriptedMessageBoxes>();
    const auto *shown = &boxes->shown();
    platform.setMessages(std::move(boxes));
    runSystemInfo(platform);
    QCOMPARE(shown->size(), 1);
    QCOMPARE(shown->at(0).text, QStringLiteral("System Information Is Unavailable At This Time"));
}

QTEST_MAIN(UtilitiesTest)
#include "tst_utilities.moc"
