#include "platform/helpwindow.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "platform/webbrowser.h"
#include "startup/applicationversion.h"
#include "startup/programstate.h"
#include "support/e2e.h"
#include "support/tracelog.h"
#include "utilities/makerinfo.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

using namespace gallerion;
using namespace gallerion::test;

namespace {

// Opens nothing, so that no browser starts while the tests run.
class NoBrowser : public WebBrowser
{
protected:
    bool openInSystem(const QUrl &) override { return false; }
};

void keepBrowserClosed()
{
    programState()
        ->findChild<Platform *>(QStringLiteral("Platform"))
        ->setBrowser(std::make_unique<NoBrowser>());
}

void trigger(const char *entry)
{
    menuEntry(QLatin1String(entry))->trigger();
}

QList<HelpWindow *> shownHelpWindows()
{
    QList<HelpWindow *> shown;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *help = qobject_cast<HelpWindow *>(window); help && help->isVisible())
            shown.append(help);
    }
    return shown;
}

} // namespace

class UtilitiesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { qputenv("GALLERION_SCREEN", "1024x768"); }

    void menuEntriesCheckTheScreenAndOpenTheMakersPages();
    void taskbarToggleTakesTheWholeScreenUntilTheWindowChanges();
    void aboutBoxShowsTheMakerAndTheVersions();
    void helpOpensOnItsContentsAndClosesWithTheSlideShow();
    void missingHelpIsReported();
    void helpAndAboutCloseWithEscOrTheirCloseControl();
};

void UtilitiesTest::menuEntriesCheckTheScreenAndOpenTheMakersPages()
{
    TraceLog trace;
    DiscFixture fixture;
    QStringList disabled;
    QString text;
    QString title;
    QStringList wrapped;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            for (const char *name : {"mnuCheckResolution", "mnuHideStatus", "mnuContents",
                                     "mnuQLSoftware", "mnuRegisterOL", "mnuSysInfo", "mnuAbout"}) {
                if (!menuEntry(QLatin1String(name))->isEnabled())
                    disabled << QLatin1String(name);
            }
            keepBrowserClosed();
            trigger("mnuQLSoftware");
            trigger("mnuRegisterOL");
        });
        script.thenStart([] { trigger("mnuCheckResolution"); });
        script.then([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
                    [&] {
                        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                        text = box->text();
                        title = box->windowTitle();
                        // The numbered steps keep their own line breaks.
                        const auto *label = box->findChild<QLabel *>("qt_msgbox_label");
                        for (const QString &line : text.split(QStringLiteral("\r\n"))) {
                            if (label->fontMetrics().horizontalAdvance(line) >
                                label->contentsRect().width())
                                wrapped << line;
                        }
                        box->accept();
                    });
    });
    QCOMPARE(disabled, QStringList{QStringLiteral("mnuSysInfo")});
    QStringList urls;
    for (const QJsonObject &line : trace.lines(QStringLiteral("url")))
        urls << line.value(QStringLiteral("url")).toString();
    const QString site = QStringLiteral("https://") + makerHost();
    QCOMPARE(urls, (QStringList{site + "/", site + "/register.htm"}));
    QVERIFY(text.startsWith(
        QStringLiteral("Your current screen resolution is set at  1024 by 768 pixels.\r\n")));
    QCOMPARE(title, QStringLiteral("The Zarvick Gallerion 2001"));
    QCOMPARE(wrapped, QStringList());
}

void UtilitiesTest::taskbarToggleTakesTheWholeScreenUntilTheWindowChanges()
{
    TraceLog trace;
    DiscFixture fixture;
    QStringList captions;
    bool wholeScreen = false;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { mainWindow()->resize(500, 400); });
        script.then([&] {
            trigger("mnuHideStatus");
            captions << menuEntry(QStringLiteral("mnuHideStatus"))->text();
            wholeScreen = mainWindow()->isFullScreen();
        });
        // The resize into the whole screen is the toggle's own and changes nothing.
        script.then([&] {
            captions << menuEntry(QStringLiteral("mnuHideStatus"))->text();
            mainWindow()->showNormal();
        });
        script.then(
            [] {
                return menuEntry(QStringLiteral("mnuHideStatus"))->text() ==
                       QLatin1String("HideStatusBar");
            },
            [] { trigger("mnuHideStatus"); });
    });
    QCOMPARE(captions, (QStringList{"ShowStatusBar", "ShowStatusBar"}));
    QVERIFY(wholeScreen);
    QStringList actions;
    for (const QJsonObject &line : trace.lines(QStringLiteral("taskbar")))
        actions << line.value(QStringLiteral("action")).toString();
    // Hidden, shown by the resize, hidden again, shown as the window closes.
    QCOMPARE(actions, (QStringList{"hide", "show", "hide", "show"}));
    // Closed from the whole screen, the window keeps the size it had before.
    QMap<QString, QString> placement;
    for (const QJsonObject &line : trace.lines(QStringLiteral("settings"))) {
        if (line.value(QStringLiteral("action")).toString() == QLatin1String("write"))
            placement[line.value(QStringLiteral("key")).toString()] =
                line.value(QStringLiteral("value")).toString();
    }
    QCOMPARE(placement.value(QStringLiteral("MainWidth")), QString::number(500 * 15));
    QCOMPARE(placement.value(QStringLiteral("MainHeight")), QString::number(400 * 15));
}

void UtilitiesTest::aboutBoxShowsTheMakerAndTheVersions()
{
    DiscFixture fixture;
    QString maker;
    QString versions;
    QRect box;
    QRect screen;
    runWithMainWindow(fixture, [&](Script &script) {
        script.thenStart([] { trigger("mnuAbout"); });
        script.then(
            [] { return windowShown(QStringLiteral("frmAbout")); },
            [&] {
                QWidget *about = topLevel(QStringLiteral("frmAbout"));
                maker = controlOf<QLabel>(QStringLiteral("frmAbout"), QStringLiteral("panQuillon"))
                            ->text();
                versions =
                    controlOf<QLabel>(QStringLiteral("frmAbout"), QStringLiteral("lblVersion"))
                        ->text();
                box = about->frameGeometry();
                screen = about->screen()->availableGeometry();
                controlOf<QPushButton>(QStringLiteral("frmAbout"), QStringLiteral("SSCommand1"))
                    ->click();
            });
        script.then([] { return !windowShown(QStringLiteral("frmAbout")); }, [] {});
    });
    QVERIFY(maker.endsWith(QStringLiteral("\n\nWEB: ") + makerHost()));
    QVERIFY2(versions.contains(applicationVersion()) &&
                 versions.contains(QLatin1String(qVersion())),
             qPrintable(versions));
    QVERIFY2(screen.contains(box), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                  .arg(box.x())
                                                  .arg(box.y())
                                                  .arg(box.width())
                                                  .arg(box.height())));
}

void UtilitiesTest::helpOpensOnItsContentsAndClosesWithTheSlideShow()
{
    DiscFixture fixture;
    QVERIFY(QFile::link(QStringLiteral(GALLERION_BINARY_DIR "/src/help"),
                        fixture.programDir() + QStringLiteral("/help")));
    QStringList pages;
    int shownWithShow = 0;
    int shownAfterShow = 0;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            trigger("mnuContents");
            QTextBrowser *browser = shownHelpWindows().value(0)->browser();
            pages << browser->source().fileName();
            browser->setSource(QUrl(QStringLiteral("slideshow.html")));
            pages << browser->source().fileName() << browser->documentTitle();
            browser->backward();
            pages << browser->source().fileName();
        });
        script.thenStart([] { trigger("mnuSlideShow"); });
        // F1 is a shortcut of the window the user works in: the active one.
        script.then(
            [] {
                return windowShown(QStringLiteral("frmSlide")) &&
                       QApplication::activeWindow() == topLevel(QStringLiteral("frmSlide"));
            },
            [&] {
                QTest::keyClick(topLevel(QStringLiteral("frmSlide"))->focusWidget(), Qt::Key_F1);
                shownWithShow = shownHelpWindows().size();
                controlOf<QPushButton>(QStringLiteral("frmSlide"), QStringLiteral("cmdExit"))
                    ->click();
            });
        script.then([] { return !windowShown(QStringLiteral("frmSlide")); },
                    [&] { shownAfterShow = shownHelpWindows().size(); });
    });
    QCOMPARE(pages, (QStringList{"index.html", "slideshow.html", "The slide show", "index.html"}));
    // The main window's help and the show's; the show's closed with it.
    QCOMPARE(shownWithShow, 2);
    QCOMPARE(shownAfterShow, 1);
}

void UtilitiesTest::missingHelpIsReported()
{
    BoxAnswerer boxes;
    DiscFixture fixture;
    runWithMainWindow(fixture, [&](Script &script) {
        script.thenStart([] { trigger("mnuContents"); });
        script.then([&] { return !boxes.texts().isEmpty(); }, [] {});
    });
    QVERIFY(shownHelpWindows().isEmpty());
    QVERIFY(boxes.texts().value(0).startsWith(QStringLiteral("The help pages cannot be found.")));
}

void UtilitiesTest::helpAndAboutCloseWithEscOrTheirCloseControl()
{
    DiscFixture fixture;
    QVERIFY(QFile::link(QStringLiteral(GALLERION_BINARY_DIR "/src/help"),
                        fixture.programDir() + QStringLiteral("/help")));
    QList<bool> closeShown;
    QList<int> helpAfter;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            trigger("mnuContents");
            closeShown << shownHelpWindows()
                              .value(0)
                              ->findChild<QWidget *>(QStringLiteral("HelpClose"))
                              ->isVisible();
        });
        // Esc is a shortcut of the window the user works in: the active one.
        script.then([] { return QApplication::activeWindow() == shownHelpWindows().value(0); },
                    [] {
                        QTest::keyClick(shownHelpWindows().value(0)->findChild<QWidget *>(
                                            QStringLiteral("HelpFindText")),
                                        Qt::Key_Escape);
                    });
        script.then([&] {
            helpAfter << int(shownHelpWindows().size());
            trigger("mnuContents");
            shownHelpWindows()
                .value(0)
                ->findChild<QAbstractButton *>(QStringLiteral("HelpClose"))
                ->click();
        });
        script.then([&] { helpAfter << int(shownHelpWindows().size()); });
        script.thenStart([] { trigger("mnuAbout"); });
        script.then([] { return windowShown(QStringLiteral("frmAbout")); },
                    [&] {
                        QWidget *about = topLevel(QStringLiteral("frmAbout"));
                        closeShown << controlOf<QPushButton>(QStringLiteral("frmAbout"),
                                                             QStringLiteral("SSCommand1"))
                                          ->isVisible();
                        QTest::keyClick(about->focusWidget() ? about->focusWidget() : about,
                                        Qt::Key_Escape);
                    });
        script.then([] { return !windowShown(QStringLiteral("frmAbout")); }, [] {});
    });
    QCOMPARE(closeShown, (QList<bool>{true, true}));
    QCOMPARE(helpAfter, (QList<int>{0, 0}));
}

QTEST_MAIN(UtilitiesTest)
#include "tst_utilities.moc"
