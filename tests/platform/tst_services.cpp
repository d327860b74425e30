#include "platform/displaycheck.h"
#include "platform/messagebox.h"
#include "platform/processes.h"
#include "platform/screen.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "platform/terminationsignals.h"
#include "support/scriptedmessageboxes.h"
#include "support/tracelog.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

using namespace gallerion;

// Settings, message boxes, screen and single-instance services, with the
// trace lines each one writes.
class ServicesTest : public QObject
{
    Q_OBJECT

private slots:
    void settingsRoundTripWithDefaults();
    void settingsAreKeptPerApplicationAndSection();
    void scriptedBoxesAnswerAndRecord();
    void messageBoxTraceLine();
    void screenSizeOverride_data();
    void screenSizeOverride();
    void busyPointerNeedsOneRestore();
    void secondLockIsRefusedUntilReleased();
    void processRunReportsHowItEnded_data();
    void processRunReportsHowItEnded();
    void missingDisplayIsNamed_data();
    void missingDisplayIsNamed();
    void terminationSignalArrivesAsSignalUntilReleased();
};

void ServicesTest::settingsRoundTripWithDefaults()
{
    test::TraceLog trace;
    SettingsStore store;
    const QString app = QStringLiteral("The Zarvick Gallerion 2001");
    QCOMPARE(store.value(app, QStringLiteral("Settings"), QStringLiteral("MainLeft"),
                         QStringLiteral("0")),
             QStringLiteral("0"));
    store.setValue(app, QStringLiteral("Settings"), QStringLiteral("MainLeft"),
                   QStringLiteral("1500"));
    QCOMPARE(SettingsStore().value(app, QStringLiteral("Settings"), QStringLiteral("MainLeft"),
                                   QStringLiteral("0")),
             QStringLiteral("1500"));
    const auto lines = trace.lines(QStringLiteral("settings"));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(1).value(QStringLiteral("action")).toString(), QStringLiteral("write"));
    QCOMPARE(lines.at(1).value(QStringLiteral("app")).toString(), app);
    QCOMPARE(lines.at(2).value(QStringLiteral("value")).toString(), QStringLiteral("1500"));
}

void ServicesTest::settingsAreKeptPerApplicationAndSection()
{
    SettingsStore store;
    store.setValue(QStringLiteral("A"), QStringLiteral("S1"), QStringLiteral("K"),
                   QStringLiteral("one"));
    store.setValue(QStringLiteral("B"), QStringLiteral("S1"), QStringLiteral("K"),
                   QStringLiteral("two"));
    store.setValue(QStringLiteral("A"), QStringLiteral("S2"), QStringLiteral("K"),
                   QStringLiteral("three"));
    QCOMPARE(store.value(QStringLiteral("A"), QStringLiteral("S1"), QStringLiteral("K"), {}),
             QStringLiteral("one"));
    QCOMPARE(store.value(QStringLiteral("B"), QStringLiteral("S1"), QStringLiteral("K"), {}),
             QStringLiteral("two"));
    QCOMPARE(store.value(QStringLiteral("A"), QStringLiteral("S2"), QStringLiteral("K"), {}),
             QStringLiteral("three"));
}

void ServicesTest::scriptedBoxesAnswerAndRecord()
{
    test::ScriptedMessageBoxes boxes({AnswerNo});
    MessageRequest question{QStringLiteral("Copy?"), QStringLiteral("T"), MessageIcon::Question,
                            MessageButtons::YesNo};
    QCOMPARE(boxes.ask(question), int(AnswerNo));
    // Out of script: the first button.
    QCOMPARE(boxes.ask(question), int(AnswerYes));
    MessageRequest retry{QStringLiteral("x"), QStringLiteral("T"), MessageIcon::None,
                         MessageButtons::RetryCancel};
    QCOMPARE(boxes.ask(retry), int(AnswerRetry));
    QCOMPARE(boxes.shown().size(), 3);
    QCOMPARE(boxes.shown().at(0).text, QStringLiteral("Copy?"));
}

void ServicesTest::messageBoxTraceLine()
{
    test::TraceLog trace;
    test::ScriptedMessageBoxes boxes({AnswerCancel});
    boxes.ask({QStringLiteral("Error number: ER001"), QStringLiteral("The Zarvick Gallerion"),
               MessageIcon::None, MessageButtons::RetryCancel});
    const auto lines = trace.lines(QStringLiteral("msgbox"));
    QCOMPARE(lines.size(), 1);
    const QJsonObject line = lines.first();
    QCOMPARE(line.value(QStringLiteral("title")).toString(),
             QStringLiteral("The Zarvick Gallerion"));
    QCOMPARE(line.value(QStringLiteral("text")).toString(), QStringLiteral("Error number: ER001"));
    QCOMPARE(line.value(QStringLiteral("icon")).toString(), QStringLiteral("none"));
    QCOMPARE(line.value(QStringLiteral("buttons")).toString(), QStringLiteral("retrycancel"));
    QCOMPARE(line.value(QStringLiteral("answer")).toInt(), 2);
}

void ServicesTest::screenSizeOverride_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("designed") << "800x600" << QSize(800, 600);
    QTest::newRow("upper-case x") << "1024X768" << QSize(1024, 768);
    QTest::newRow("blanks") << " 640x480 " << QSize(640, 480);
    QTest::newRow("not a size") << "big" << QSize();
    QTest::newRow("negative") << "-800x600" << QSize();
    QTest::newRow("one number") << "800" << QSize();
}

void ServicesTest::screenSizeOverride()
{
    QFETCH(QString, text);
    QFETCH(QSize, expected);
    QCOMPARE(parseScreenSize(text), expected);
    if (!expected.isValid())
        return;
    qputenv("GALLERION_SCREEN", text.toUtf8());
    Screen screen;
    QCOMPARE(screen.pixels(), expected);
    QCOMPARE(screen.twips(), expected * 15);
    qunsetenv("GALLERION_SCREEN");
}

void ServicesTest::busyPointerNeedsOneRestore()
{
    Screen screen;
    screen.setBusy(true);
    screen.setBusy(true);
    QVERIFY(QGuiApplication::overrideCursor());
    screen.setBusy(false);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void ServicesTest::secondLockIsRefusedUntilReleased()
{
    auto first = std::make_unique<SingleInstance>();
    QVERIFY(first->acquire());
    QVERIFY(first->acquire()); // holding it already
    SingleInstance second;
    QVERIFY(!second.acquire());
    first.reset();
    QVERIFY(second.acquire());
}

void ServicesTest::processRunReportsHowItEnded_data()
{
    using Outcome = ProcessRun::Outcome;
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("success") << "sh" << QStringList{"-c", "exit 0"} << Outcome::Finished << 0;
    QTest::newRow("exit code kept")
        << "sh" << QStringList{"-c", "exit 3"} << Outcome::Finished << 3;
    QTest::newRow("killed by a signal")
        << "sh" << QStringList{"-c", "kill -9 $$"} << Outcome::Crashed << -1;
    QTest::newRow("no such program")
        << "/nonexistent/program" << QStringList() << Outcome::FailedToStart << -1;
    QTest::newRow("past the limit") << "sleep" << QStringList{"30"} << Outcome::TimedOut << -1;
}

void ServicesTest::processRunReportsHowItEnded()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(ProcessRun::Outcome, outcome);
    QFETCH(int, exitCode);
    test::TraceLog trace;
    QObject owner;
    ProcessRun *run =
        ProcessRunner().prepare(program, arguments, std::chrono::milliseconds(300), &owner);
    QSignalSpy ended(run, &ProcessRun::ended);
    QElapsedTimer clock;
    clock.start();
    run->start();
    QVERIFY(ended.count() == 1 || ended.wait(10000));
    // The loop went on while the program ran: a killed run ends soon after its limit.
    QVERIFY(clock.elapsed() < 5000);
    QTest::qWait(50);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.first().at(0).value<ProcessRun::Outcome>(), outcome);
    if (outcome != ProcessRun::Outcome::Crashed)
        QCOMPARE(ended.first().at(1).toInt(), exitCode);
    QVERIFY(!run->isRunning());
    QCOMPARE(trace.lines(QStringLiteral("process")).value(0).value("program").toString(), program);
}

void ServicesTest::missingDisplayIsNamed_data()
{
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<bool>("missing");
    QTest::newRow("X display") << QByteArray() << QByteArray(":0") << QByteArray() << false;
    QTest::newRow("Wayland only") << QByteArray() << QByteArray() << QByteArray("wayland-0")
                                  << false;
    QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray() << true;
    QTest::newRow("xcb asked, Wayland there")
        << QByteArray("xcb") << QByteArray() << QByteArray("wayland-0") << true;
    QTest::newRow("wayland asked, X there")
        << QByteArray("wayland") << QByteArray(":0") << QByteArray() << true;
    QTest::newRow("fallback list")
        << QByteArray("wayland;xcb") << QByteArray(":1") << QByteArray() << false;
    QTest::newRow("offscreen") << QByteArray("offscreen") << QByteArray() << QByteArray() << false;
    QTest::newRow("plugin options")
        << QByteArray("xcb:nomitshm") << QByteArray() << QByteArray() << true;
}

void ServicesTest::missingDisplayIsNamed()
{
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, wayland);
    QFETCH(bool, missing);
    const QString reason = missingDisplayReason({platform, x11, wayland});
    QCOMPARE(!reason.isEmpty(), missing);
    if (missing)
        QVERIFY(reason.contains(QStringLiteral("display")));
}

void ServicesTest::terminationSignalArrivesAsSignalUntilReleased()
{
    struct sigaction before = {};
    sigaction(SIGTERM, nullptr, &before);
    {
        TerminationSignals termination(nullptr);
        QSignalSpy requested(&termination, &TerminationSignals::terminationRequested);
        std::raise(SIGTERM);
        std::raise(SIGINT);
        QVERIFY(requested.wait(5000));
        QTest::qWait(50);
        // Both arrive in one read: one request, naming the last.
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first().at(0).toInt(), SIGINT);
    }
    struct sigaction after = {};
    sigaction(SIGTERM, nullptr, &after);
    QCOMPARE(reinterpret_cast<void *>(after.sa_handler),
             reinterpret_cast<void *>(before.sa_handler));
}

QTEST_MAIN(ServicesTest)
#include "tst_services.moc"
