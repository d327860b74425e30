#include "platform/filesystem.h"
#include "platform/platform.h"
#include "startup/errormessages.h"
#include "startup/errorreporter.h"
#include "startup/programstate.h"
#include "support/scriptedmessageboxes.h"

#include <QSignalSpy>
#include <QTest>

using namespace gallerion;

namespace {
const QString DiscLine =
    QStringLiteral("Make sure that the Zarvick Gallerion is in the CDROM drive.");
const QString Crlf = QStringLiteral("\r\n");
} // namespace

class ErrorReporterTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void composedTexts_data();
    void composedTexts();
    void retryCancelCodes_data();
    void retryCancelCodes();
    void okBoxReturnsToMainWindow();

private:
    ProgramState *m_state = nullptr;
    Platform *m_platform = nullptr;
    test::ScriptedMessageBoxes *m_boxes = nullptr;
};

void ErrorReporterTest::init()
{
    m_state = new ProgramState(this);
    m_platform = new Platform(FileSystem(DriveTable(), QStringLiteral("/tmp"), {}), m_state);
    auto boxes = std::make_unique<test::ScriptedMessageBoxes>();
    m_boxes = boxes.get();
    m_platform->setMessages(std::move(boxes));
}

void ErrorReporterTest::cleanup()
{
    delete m_state;
}

void ErrorReporterTest::composedTexts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("expected");
    const QString head = QStringLiteral("Error number: %1") + Crlf + Crlf;
    const QString tail = Crlf + Crlf + DiscLine;
    QTest::newRow("disc missing") << "ER001"
                                  << ""
                                  << head.arg("ER001") +
                                         " Unable to detect the Zarvick Gallerion CDROM." + tail;
    QTest::newRow("double blanks kept")
        << "ER002"
        << "" << head.arg("ER002") + " Unable to load  Description  for year selected." + tail;
    QTest::newRow("wrong input has no disc line")
        << "ER034"
        << "" << head.arg("ER034") + " You must select both a Start Year and an End Year. ";
    QTest::newRow("wrong range has no disc line")
        << "ER036"
        << "" << head.arg("ER036") + " 'TO' year may not be earlier than 'FROM' year.";
    QTest::newRow("sound path from its sixth character")
        << "ER032"
        << "E:\\wav\\horn.wav"
        << head.arg("ER032") + " Unable to load sound file: v\\horn.wav" + tail;
    QTest::newRow("seven blanks") << "ER054"
                                  << "" << head.arg("ER054") + "       " + tail;
    QTest::newRow("unknown code") << "ER019"
                                  << "" << head.arg("ER019") + tail;
    QTest::newRow("codes compare exactly") << "er001"
                                           << "" << head.arg("er001") + tail;
}

void ErrorReporterTest::composedTexts()
{
    QFETCH(QString, code);
    QFETCH(QString, sound);
    QFETCH(QString, expected);
    QCOMPARE(composeErrorText(code, sound), expected);
}

void ErrorReporterTest::retryCancelCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    for (const char *code : {"ER001", "ER037", "ER055"}) {
        QTest::addRow("%s retry", code) << code << int(AnswerRetry) << false;
        QTest::addRow("%s cancel", code) << code << int(AnswerCancel) << true;
    }
}

void ErrorReporterTest::retryCancelCodes()
{
    QFETCH(QString, code);
    QFETCH(int, answer);
    QFETCH(bool, ends);
    QSignalSpy handedBack(m_state, &ProgramState::returnedToMainWindow);
    m_boxes->addAnswer(answer);
    ReportError(*m_state, *m_platform, code);
    QCOMPARE(m_boxes->shown().size(), 1);
    const MessageRequest box = m_boxes->shown().first();
    QCOMPARE(box.buttons, MessageButtons::RetryCancel);
    QCOMPARE(box.icon, MessageIcon::None);
    QCOMPARE(box.title, QStringLiteral("The Zarvick Gallerion"));
    QCOMPARE(m_state->ErrorAnswer, QString::number(answer));
    QCOMPARE(m_state->isEnding(), ends);
    QCOMPARE(handedBack.size(), 0); // Retry goes on where it was
}

void ErrorReporterTest::okBoxReturnsToMainWindow()
{
    QSignalSpy handedBack(m_state, &ProgramState::returnedToMainWindow);
    ReportError(*m_state, *m_platform, QStringLiteral("ER012"));
    QCOMPARE(m_state->ErrorCode, QStringLiteral("ER012"));
    QCOMPARE(m_boxes->shown().first().icon, MessageIcon::Critical);
    QCOMPARE(m_boxes->shown().first().buttons, MessageButtons::Ok);
    QCOMPARE(handedBack.size(), 1);
    QVERIFY(!m_state->isEnding());
    QCOMPARE(m_state->ErrorText, composeErrorText(QStringLiteral("ER012"), QString()));
}

QTEST_MAIN(ErrorReporterTest)
#include "tst_errorreporter.moc"
