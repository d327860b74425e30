#include "documents/documenttable.h"
#include "startup/programstate.h"
#include "support/accessibility.h"
#include "support/e2e.h"
#include "widgets/richtextbox.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// What the viewer showed for one opening.
struct Seen
{
    QString title;
    QString file;
    bool printEnabled = false;
    bool sparesHidden = false;
};

Seen readViewer()
{
    QWidget *viewer = documentViewer();
    Seen seen;
    seen.title = viewer->windowTitle();
    seen.file = viewer->findChild<RichTextBox *>(u"rtbText"_s)->fileName();
    seen.printEnabled = viewer->findChild<QWidget *>(u"cmdPrint"_s)->isEnabled();
    seen.sparesHidden = viewer->findChild<QWidget *>(u"SSCommand2"_s)->isHidden() &&
                        viewer->findChild<QWidget *>(u"SSCommand3"_s)->isHidden();
    return seen;
}

// Adds the steps that open a document from its menu entry, record what the
// viewer shows and close it with its close button.
void openAndClose(Script &script, const QString &menu, QList<Seen> *seen)
{
    openAndCloseDocument(
        script, [menu] { menuEntry(menu)->trigger(); }, [seen] { seen->append(readViewer()); });
}

} // namespace

class DocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyAvailableDocumentOpensWithItsTitle();
    void unavailableEntriesStayOff();
    void noticeTitleDoesNotStick();
    void missingGlossaryReportsWithoutViewer();
    void closingAfterLastYearFocusesFirstYear();
    void viewerWorksFromTheKeyboardAndIsNamed();
};

void DocumentsTest::everyAvailableDocumentOpensWithItsTitle()
{
    DiscFixture fixture;
    QStringList menus;
    QList<Seen> seen;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            for (const DocumentRow &row : documentTable()) {
                if (menuEntry(menuEntryName(row.menu))->isEnabled())
                    menus.append(menuEntryName(row.menu));
            }
        });
        // Every row but the three unavailable ones.
        for (const DocumentRow &row : documentTable()) {
            const QString menu = menuEntryName(row.menu);
            if (menu != "mnuMisc(1)"_L1 && menu != "mnuMisc(3)"_L1 && menu != "mnuWhatsNew"_L1)
                openAndClose(script, menu, &seen);
        }
    });
    QCOMPARE(menus.size(), 17);
    QCOMPARE(seen.size(), 17);
    for (int i = 0; i < seen.size(); ++i) {
        const DocumentRow *row = documentRowOfMenu(menus.at(i));
        QCOMPARE(seen.at(i).title, QString(row->title));
        const QString file = QString(row->path).section(u'\\', -1);
        QVERIFY2(seen.at(i).file.endsWith(u"/richtext/"_s + file), qPrintable(seen.at(i).file));
        QVERIFY(seen.at(i).printEnabled);
        QVERIFY(seen.at(i).sparesHidden);
    }
}

void DocumentsTest::unavailableEntriesStayOff()
{
    DiscFixture fixture;
    QString states;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            for (const char *name : {"mnuMisc(1)", "mnuMisc(3)", "mnuWhatsNew", "mnuMisc(2)"})
                states += menuEntry(QLatin1String(name))->isEnabled() ? u'Y' : u'N';
        });
    });
    QCOMPARE(states, u"NNNY"_s);
}

void DocumentsTest::noticeTitleDoesNotStick()
{
    DiscFixture fixture;
    QList<Seen> seen;
    runWithMainWindow(fixture, [&](Script &script) {
        openAndClose(script, u"mnuNotice"_s, &seen);
        openAndClose(script, u"mnuMag(2)"_s, &seen);
    });
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0).title, u"The Zarvick Gallerion Notice"_s);
    QCOMPARE(seen.at(1).title, u"The Zarvick Gallerion       Magazines"_s);
    QVERIFY(seen.at(1).file.endsWith(u"magmm.rtf"_s));
}

void DocumentsTest::missingGlossaryReportsWithoutViewer()
{
    DiscFixture fixture;
    fixture.removeDiscFile(u"richtext/glossary.rtf"_s);
    BoxAnswerer boxes;
    bool viewerEverShown = false;
    QString code;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            // The box is answered inside the trigger; a viewer would show first.
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout,
                             [&] { viewerEverShown |= documentViewerShown(); });
            watch.start(5);
            menuEntry(u"mnuMisc(2)"_s)->trigger();
            viewerEverShown |= documentViewer() != nullptr;
            code = programState()->ErrorCode;
        });
    });
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith(u"Error number: ER009"_s));
    QCOMPARE(code, u"ER009"_s);
    QVERIFY(!viewerEverShown);
}

void DocumentsTest::closingAfterLastYearFocusesFirstYear()
{
    DiscFixture fixture;
    QList<Seen> seen;
    QString focusBefore;
    QString focusAfter;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([&] {
            clickYear(38);
            // Somewhere else, so that only the close button can move it back.
            control(u"cmdYR(20)"_s)->setFocus();
            focusBefore = focused();
        });
        openAndClose(script, u"mnuBooks"_s, &seen);
        script.then([&] { focusAfter = focused(); });
    });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(focusBefore, u"cmdYR(20)"_s);
    QCOMPARE(focusAfter, u"cmdYR(1)"_s);
}

// The text's menu offers Print with its Ctrl+P; Ctrl+P asks to print, Esc
// closes and hands the keyboard back; a screen reader finds a name for every
// control of the viewer.
void DocumentsTest::viewerWorksFromTheKeyboardAndIsNamed()
{
    DiscFixture fixture;
    BoxAnswerer boxes({QMessageBox::No});
    QStringList unnamed{u"not read"_s};
    QString printInMenu;
    QString focusAfter;
    runWithMainWindow(fixture, [&](Script &script) {
        script.then([] { clickYear(6); })
            .thenStart([] { menuEntry(u"mnuBooks"_s)->trigger(); })
            .then(documentViewerShown,
                  [&] {
                      unnamed = unnamedAccessibleObjects(documentViewer());
                      auto *text = controlOf<RichTextBox>(u"txtForm"_s, u"rtbText"_s);
                      emit text->customContextMenuRequested(QPoint(10, 10));
                  })
            .then([] { return windowShown(u"mnuText"_s); },
                  [&] {
                      auto *menu = qobject_cast<QMenu *>(topLevel(u"mnuText"_s));
                      for (QAction *action : menu->actions()) {
                          if (action->shortcut() == QKeySequence(QKeySequence::Print))
                              printInMenu = action->text();
                      }
                      menu->close();
                  })
            .thenStart([] {
                // Shortcuts go to the active window; offscreen nothing activates it by itself.
                QApplication::setActiveWindow(documentViewer());
                QTest::keyClick(documentViewer()->focusWidget(), Qt::Key_P, Qt::ControlModifier);
            })
            .then([&] { return boxes.texts().size() == 1 && documentViewerShown(); },
                  [] { QTest::keyClick(documentViewer()->focusWidget(), Qt::Key_Escape); })
            .then([] { return !documentViewer(); }, [&] { focusAfter = focused(); });
    });
    QCOMPARE(unnamed, QStringList());
    QCOMPARE(printInMenu.remove(u'&'), u"Print..."_s);
    QVERIFY(boxes.texts().value(0).startsWith(u"Would you like to print"_s));
    QCOMPARE(focusAfter, u"cmdYR(7)"_s);
}

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
