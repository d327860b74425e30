#include "platform/helpwindow.h"
#include "support/accessibility.h"
#include "support/e2e.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMap>
#include <QMessageBox>
#include <QTest>

using namespace gallerion;
using namespace gallerion::test;

namespace {

// Windows whose every showing object has a name; a new unnamed one fails the test. The others
// are listed until their controls are named, then join this list.
const QStringList Strict{QStringLiteral("Form2"), QStringLiteral("frmAbout"),
                         QStringLiteral("HelpWindow"), QStringLiteral("MessageBox")};

void trigger(const char *entry)
{
    menuEntry(QLatin1String(entry))->trigger();
}

QWidget *helpWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<HelpWindow *>(window) && window->isVisible())
            return window;
    }
    return nullptr;
}

QMessageBox *openBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}

class Survey
{
public:
    void record(QWidget *window)
    {
        m_unnamed[window->objectName()] = unnamedAccessibleObjects(window);
    }
    std::function<void()> recordWindow(const QString &name)
    {
        return [this, name] { record(topLevel(name)); };
    }
    const QMap<QString, QStringList> &unnamed() const { return m_unnamed; }

private:
    QMap<QString, QStringList> m_unnamed;
};

// A modal window opened from the menu: recorded once it shows, then closed by close().
void visitModal(Script &script, Survey &survey, const char *entry, const QString &window,
                const std::function<void()> &close)
{
    script.thenStart([entry] { trigger(entry); })
        .then([window] { return windowShown(window); },
              [&survey, window, close] {
                  survey.record(topLevel(window));
                  close();
              })
        .then([window] { return !windowShown(window); }, [] {});
}

void visitDialogs(Script &script, Survey &survey)
{
    visitModal(script, survey, "mnuAbout", QStringLiteral("frmAbout"), [] {
        controlOf<QAbstractButton>(QStringLiteral("frmAbout"), QStringLiteral("SSCommand1"))
            ->click();
    });
    script.then([&survey] {
        trigger("mnuContents");
        survey.record(helpWindow());
        helpWindow()->close();
    });
    script.thenStart([] { trigger("mnuCheckResolution"); })
        .then([] { return openBox() != nullptr; },
              [&survey] {
                  survey.record(openBox());
                  openBox()->accept();
              });
    openAndCloseDocument(
        script, [] { trigger("mnuBooks"); },
        [&survey] { survey.record(topLevel(QStringLiteral("txtForm"))); });
}

void visitFeatureWindows(Script &script, Survey &survey)
{
    script.then([] { clickYear(3); });
    visitModal(script, survey, "mnuSlideShow", QStringLiteral("frmSlide"), [] {
        controlOf<QAbstractButton>(QStringLiteral("frmSlide"), QStringLiteral("cmdExit"))->click();
    });
    visitModal(script, survey, "mnuMovies", QStringLiteral("frmMovie"),
               [] { topLevel(QStringLiteral("frmMovie"))->close(); });
    script.then([] { clickYear(37); })
        .thenStart([] { click(QStringLiteral("cmdAd")); })
        .then([] { return windowShown(QStringLiteral("frmScroll")); },
              [&survey] {
                  survey.record(topLevel(QStringLiteral("frmScroll")));
                  topLevel(QStringLiteral("frmScroll"))->close();
              })
        .then([] { return !windowShown(QStringLiteral("frmScroll")); }, [] {});
    script
        .then([] {
            clickYear(4);
            QTest::mouseClick(control(QStringLiteral("Image4")), Qt::RightButton);
        })
        .then([] { return windowShown(QStringLiteral("frmSSPhoto")); },
              [&survey] {
                  survey.record(topLevel(QStringLiteral("frmSSPhoto")));
                  topLevel(QStringLiteral("frmSSPhoto"))->close();
              });
}

} // namespace

// Reads every window's accessible tree as a screen reader would meet it.
class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("GALLERION_SCREEN", "800x600"); }
    void everyShowingObjectHasAName();
};

void AccessibilityTest::everyShowingObjectHasAName()
{
    DiscFixture fixture;
    fixture.useDisc();
    QVERIFY(QFile::link(QStringLiteral(GALLERION_BINARY_DIR "/src/help"),
                        fixture.programDir() + QStringLiteral("/help")));
    Survey survey;
    Script script;
    script
        .then([] { return windowShown(QStringLiteral("Form2")); },
              survey.recordWindow(QStringLiteral("Form2")))
        .then(shortenSplash)
        .then(mainWindowShown, survey.recordWindow(QStringLiteral("Form1")));
    visitDialogs(script, survey);
    visitFeatureWindows(script, survey);
    script.then(closeMainWindow);
    runScript(script);

    const QStringList windows{"Form2",   "Form1",    "frmAbout", "HelpWindow", "MessageBox",
                              "txtForm", "frmSlide", "frmMovie", "frmScroll",  "frmSSPhoto"};
    QStringList failures;
    for (const QString &window : windows) {
        QVERIFY2(survey.unnamed().contains(window), qPrintable(window + " was never shown"));
        const QStringList unnamed = survey.unnamed().value(window);
        if (unnamed.isEmpty())
            continue;
        qInfo().noquote() << window << "has" << unnamed.size() << "unnamed objects:\n   "
                          << unnamed.join(QStringLiteral("\n    "));
        if (Strict.contains(window))
            failures << window;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral(", "))));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
