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
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("says");
    QTest::newRow("designed screen")
        << QSize(800, 600) << "GNOME" << int(MessageIcon::None)
        << QStringList{"Your current screen resolution is set at 800x600.\r\n\r\n"
                       "This is the optimum setting for the Zarvick Gallerion!"};
    QTest::newRow("wide screen") << QSize(1920, 1080) << "GNOME" << int(MessageIcon::Information)
                                 << QStringList{"set at  1920 by 1080 pixels.", "large enough"};
    QTest::newRow("taller only") << QSize(800, 1280) << "" << int(MessageIcon::Information)
                                 << QStringList{"large enough"};
    QTest::newRow("too small, GNOME")
        << QSize(640, 480) << "ubuntu:GNOME" << int(MessageIcon::Exclamation)
        << QStringList{"set at  640 by 480 pixels.", "open Settings, Displays",
                       "at least 800 x 600"};
    QTest::newRow("too narrow, KDE") << QSize(799, 600) << "KDE" << int(MessageIcon::Exclamation)
                                     << QStringList{"open System Settings, Display and Monitor"};
    QTest::newRow("too low, unknown desktop")
        << QSize(1024, 599) << "sway" << int(MessageIcon::Exclamation)
        << QStringList{"open your desktop's display settings"};
}

// The windows scale to any screen of at least the designed size, so only a smaller one
// gets advice, and that advice names this desktop, not another system's.
void UtilitiesTest::resolutionMessage()
{
    QFETCH(QSize, pixels);
    QFETCH(QString, desktop);
    QFETCH(int, icon);
    QFETCH(QStringList, says);
    const MessageRequest request =
        gallerion::resolutionMessage(pixels * 15, displaySettingsName(desktop.toLatin1()));
    for (const QString &part : says)
        QVERIFY2(request.text.contains(part), qPrintable(request.text));
    for (const char *wrong :
         {"pixles", "take affect", "Windows desktop", "Small Fonts", "re-start your computer"})
        QVERIFY2(!request.text.contains(QLatin1String(wrong)), wrong);
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
