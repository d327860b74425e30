#include "documents/documenttable.h"
#include "documents/documentviewer.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "startup/programstate.h"
#include "support/scriptedmessageboxes.h"
#include "widgets/richtextbox.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace gallerion;
using namespace Qt::Literals::StringLiterals;

namespace {

QString title(const QString &name, int blanks = 7)
{
    return u"The Zarvick Gallerion"_s + QString(blanks, QLatin1Char(' ')) + name;
}

QWidget *viewerWindow()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == "txtForm"_L1)
            return window;
    }
    return nullptr;
}

enum class CloseBy
{
    Button,
    Escape,
    CloseBox
};

// Once the viewer shows, records its caption and closes it.
void closeViewerWhenShown(QString *caption, CloseBy how)
{
    QTimer::singleShot(20, qApp, [caption, how] {
        QWidget *viewer = viewerWindow();
        if (!viewer || !viewer->isVisible()) {
            closeViewerWhenShown(caption, how);
            return;
        }
        *caption = viewer->windowTitle();
        switch (how) {
        case CloseBy::Button:
            viewer->findChild<QPushButton *>(u"SSCommand1"_s)->click();
            break;
        case CloseBy::Escape:
            QTest::keyClick(viewer->focusWidget(), Qt::Key_Escape);
            break;
        case CloseBy::CloseBox:
            viewer->close();
            break;
        }
    });
}

} // namespace

class DocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableRows_data();
    void tableRows();
    void tableShape();
    void viewerDesignLayout();
    void missingFileReportsRowCodeWithoutViewer();
    void closeButtonAndEscReturnToMainWindow_data();
    void closeButtonAndEscReturnToMainWindow();

private:
    QTemporaryDir m_disc;
    ProgramState *m_state = nullptr;
    Platform *m_platform = nullptr;
    test::ScriptedMessageBoxes *m_boxes = nullptr;
};

void DocumentsTest::init()
{
    QDir(m_disc.path()).mkpath(u"richtext"_s);
    QFile file(m_disc.filePath(u"richtext/books.rtf"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi {\\b Books} on the Zarvick.\\par}");
    file.close();
    m_state = new ProgramState(this);
    m_state->DiscRoot = u"E:"_s;
    m_platform = new Platform(
        FileSystem(DriveTable::parse(u"E="_s + m_disc.path()), m_disc.path(), {}), m_state);
    auto boxes = std::make_unique<test::ScriptedMessageBoxes>();
    m_boxes = boxes.get();
    m_platform->setMessages(std::move(boxes));
}

void DocumentsTest::cleanup()
{
    delete m_state;
}

void DocumentsTest::tableRows_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("code");
    QTest::newRow("books") << u"mnuBooks"_s << u"\\RichText\\books.rtf"_s << title(u"Books"_s)
                           << u"ER004"_s;
    QTest::newRow("catalogs") << u"mnuCatalogs"_s << u"\\richtext\\catalogs.rtf"_s
                              << title(u"Catalogs"_s) << u"ER005"_s;
    const char *magazines[] = {"magmi", "magmm", "magmmff", "mag4", "mag5"};
    for (int i = 0; i < 5; ++i)
        QTest::addRow("magazine %d", i + 1)
            << u"mnuMag(%1)"_s.arg(i + 1) << u"\\richtext\\%1.rtf"_s.arg(magazines[i])
            << title(u"Magazines"_s) << u"ER008"_s;
    const char *releases[] = {"PRIntro", "PRMarket", "PROptions"};
    for (int i = 0; i < 3; ++i)
        QTest::addRow("press release %d", i + 1)
            << u"mnuPR(%1)"_s.arg(i + 1) << u"\\richtext\\%1.rtf"_s.arg(releases[i])
            << title(u"1964 Press Release"_s) << u"ER030"_s;
    QTest::newRow("engines") << u"mnuMisc(1)"_s << u"\\richtext\\engines.rtf"_s
                             << title(u"Engines"_s) << u"ER009"_s;
    QTest::newRow("glossary") << u"mnuMisc(2)"_s << u"\\richtext\\glossary.rtf"_s
                              << title(u"Glossary"_s) << u"ER009"_s;
    QTest::newRow("identification") << u"mnuMisc(3)"_s << u"\\richtext\\idzarvick.rtf"_s
                                    << title(u"Identification Guide"_s) << u"ER009"_s;
    QTest::newRow("timeline") << u"mnuMisc(4)"_s << u"\\richtext\\timeline.rtf"_s
                              << title(u"Timeline"_s) << u"ER009"_s;
    QTest::newRow("registration") << u"mnuRegister"_s << u"\\RichText\\Register.rtf"_s
                                  << u"Quillon Software Registration Form"_s << u"ER008"_s;
    QTest::newRow("what's new") << u"mnuWhatsNew"_s << u"\\richtext\\whatsnew.rtf"_s
                                << title(u"What's New"_s) << u"ER056"_s;
    QTest::newRow("introduction") << u"mnuIntro"_s << u"\\RichText\\intro.rtf"_s
                                  << title(u"Introduction"_s) << u"ER007"_s;
    QTest::newRow("notice") << u"mnuNotice"_s << u"\\richtext\\notice.rtf"_s
                            << title(u"Notice"_s, 1) << u"ER025"_s;
    QTest::newRow("credits") << u"mnuCredits"_s << u"\\richtext\\credits.rtf"_s
                             << title(u"Credits"_s, 1) << u"ER010"_s;
    QTest::newRow("contributions") << u"mnuContrib"_s << u"\\richtext\\contrib.rtf"_s
                                   << title(u"Contributions"_s) << u"ER053"_s;
}

void DocumentsTest::tableRows()
{
    QFETCH(QString, menu);
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QString, code);
    const DocumentRow *row = documentRowOfMenu(menu);
    QVERIFY(row);
    QCOMPARE(QString(row->path), path);
    QCOMPARE(QString(row->title), title);
    QCOMPARE(QString(row->errorCode), code);
    const bool front = menu.startsWith("mnuMag"_L1) || menu.startsWith("mnuPR"_L1) ||
                       menu.startsWith("mnuMisc"_L1);
    QCOMPARE(row->bringToFront, front);
}

void DocumentsTest::tableShape()
{
    QCOMPARE(documentTable().size(), std::size_t(20));
    QSet<QString> menus;
    for (const DocumentRow &row : documentTable())
        menus.insert(menuEntryName(row.menu));
    QCOMPARE(menus.size(), 20);
    QVERIFY(!documentRowOfMenu(u"mnuSpecial(1)"_s));
    QVERIFY(!documentRowOfMenu(u"mnuBooks "_s));
}

void DocumentsTest::viewerDesignLayout()
{
    DocumentViewer viewer(title(u"Books"_s), QSize(12000, 9000));
    QCOMPARE(viewer.objectName(), u"txtForm"_s);
    QCOMPARE(viewer.windowTitle(), title(u"Books"_s));
    QCOMPARE(viewer.size(), QSize(540, 456)); // 8100 x 6840 twips
    QCOMPARE(viewer.pos(), QPoint(130, 72));  // centred on the 12000 x 9000 twips screen
    auto *text = viewer.findChild<RichTextBox *>(u"rtbText"_s);
    QVERIFY(text);
    QCOMPARE(text->geometry(), QRect(8, 8, 521, 409));
    auto *print = viewer.findChild<QPushButton *>(u"cmdPrint"_s);
    QCOMPARE(print->geometry(), QRect(504, 424, 25, 25));
    QVERIFY(print->isEnabled());
    QVERIFY(!print->toolTip().isEmpty());
    // 7815 - 375 - 4 twips.
    auto *close = viewer.findChild<QPushButton *>(u"SSCommand1"_s);
    QCOMPARE(close->geometry(), QRect(8, 424, 7436 / 15, 25));
    for (const QString &name : {u"SSCommand2"_s, u"SSCommand3"_s}) {
        auto *spare = viewer.findChild<QPushButton *>(name);
        QVERIFY(spare);
        QVERIFY(!spare->isEnabled());
        QVERIFY(spare->isHidden());
    }
}

void DocumentsTest::missingFileReportsRowCodeWithoutViewer()
{
    m_state->SelectedYearButton = 4;
    const bool shown =
        openDocument({u"E:\\richtext\\glossary.rtf"_s, title(u"Glossary"_s), u"ER009"_s, true},
                     *m_state, *m_platform);
    QVERIFY(!shown);
    QCOMPARE(m_state->ErrorCode, u"ER009"_s);
    QCOMPARE(m_boxes->shown().size(), 1);
    QVERIFY(m_boxes->shown().first().text.startsWith(u"Error number: ER009"_s));
    QVERIFY(!viewerWindow());
    QVERIFY(!m_platform->screen().isBusy());
}

void DocumentsTest::closeButtonAndEscReturnToMainWindow_data()
{
    QTest::addColumn<CloseBy>("how");
    QTest::addColumn<bool>("handsBack");
    QTest::newRow("close button") << CloseBy::Button << true;
    QTest::newRow("Esc") << CloseBy::Escape << true;
    QTest::newRow("close box") << CloseBy::CloseBox << false;
}

void DocumentsTest::closeButtonAndEscReturnToMainWindow()
{
    QFETCH(CloseBy, how);
    QFETCH(bool, handsBack);
    QSignalSpy handedBack(m_state, &ProgramState::returnedToMainWindow);
    QString caption;
    closeViewerWhenShown(&caption, how);
    // The path's letter case differs from the disc's: the look-up ignores it.
    const bool shown =
        openDocument({u"E:\\RichText\\BOOKS.rtf"_s, title(u"Books"_s), u"ER004"_s, false}, *m_state,
                     *m_platform);
    QVERIFY(shown);
    QCOMPARE(caption, title(u"Books"_s));
    QVERIFY(m_boxes->shown().isEmpty());
    QVERIFY(!viewerWindow()); // unloaded: the next opening starts afresh
    QCOMPARE(handedBack.size(), handsBack ? 1 : 0);
}

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
