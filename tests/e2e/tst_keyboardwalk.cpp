#include "platform/helpwindow.h"
#include "platform/media/multimediadevice.h"
#include "startup/programstate.h"
#include "support/e2e.h"
#include "support/tracelog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>

using namespace gallerion;
using namespace gallerion::test;
using Button = MultimediaDevice::Button;

namespace {

// Every key goes where the keyboard's keys go: an open menu, else the focus of the active window.
QWidget *keyTarget()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    QWidget *window = QApplication::activeModalWidget();
    if (!window)
        window = QApplication::activeWindow();
    if (!window)
        return nullptr;
    return window->focusWidget() ? window->focusWidget() : window;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (QWidget *target = keyTarget())
        QTest::keyClick(target, key, modifiers);
}

// Tab through the active window until the control has the keyboard.
bool tabTo(QWidget *control)
{
    for (int i = 0; i < 200 && control && control->window()->focusWidget() != control; ++i)
        press(Qt::Key_Tab);
    return control && control->window()->focusWidget() == control;
}

// Tab to the control and press Space on it, as a keyboard user presses a button.
void pressButton(QWidget *control, QStringList &failures, const QString &what)
{
    if (!tabTo(control)) {
        const QWidget *target = keyTarget();
        failures << QStringLiteral("Tab never reaches %1 (the keyboard is on %2 of %3)")
                        .arg(what, target ? target->objectName() : QStringLiteral("nothing"),
                             target ? target->window()->objectName() : QString());
        return;
    }
    press(Qt::Key_Space);
}

// The menus from the menu bar down to the entry.
QList<QMenu *> menuPath(QAction *entry)
{
    QList<QMenu *> path;
    QAction *item = entry;
    while (item) {
        QMenu *menu = nullptr;
        for (QObject *owner : item->associatedObjects()) {
            if (auto *candidate = qobject_cast<QMenu *>(owner))
                menu = candidate;
        }
        if (!menu)
            break;
        path.prepend(menu);
        item = menu->menuAction();
    }
    return path;
}

// Opens the menu bar with Alt+F, walks to the entry's menu with the arrow keys and chooses it
// with Enter.
bool chooseByKeyboard(const QString &entryName)
{
    QAction *entry = menuEntry(entryName);
    const QList<QMenu *> path = menuPath(entry);
    if (!entry || path.isEmpty())
        return false;
    QTest::keyClick(mainWindow()->focusWidget() ? mainWindow()->focusWidget() : mainWindow(),
                    Qt::Key_F, Qt::AltModifier);
    for (int i = 0; i < 12 && QApplication::activePopupWidget() != path.first(); ++i)
        press(Qt::Key_Right);
    for (qsizetype level = 0; level < path.size(); ++level) {
        QMenu *menu = path.at(level);
        QAction *item = level + 1 < path.size() ? path.at(level + 1)->menuAction() : entry;
        for (int i = 0; i < 80 && menu->activeAction() != item; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        if (menu->activeAction() != item)
            return false;
        if (level + 1 < path.size())
            QTest::keyClick(menu, Qt::Key_Right);
    }
    QTest::keyClick(path.last(), Qt::Key_Return);
    return true;
}

QMessageBox *openBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}

// Answers every message box with Enter (its default button), as a keyboard user does, and
// keeps its text.
class KeyboardBoxes : public QObject
{
public:
    KeyboardBoxes()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QMessageBox *box = openBox();
            if (!box)
                return;
            m_texts << box->text();
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
        });
        m_timer.start(100);
    }
    const QStringList &texts() const { return m_texts; }

private:
    QTimer m_timer;
    QStringList m_texts;
};

// Nothing waits for an answer: no box, menu or modal window is open.
bool settled()
{
    return !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

// Counts the mouse events that reach any object: the walk must make none.
class MouseWatch : public QObject
{
public:
    MouseWatch() { qApp->installEventFilter(this); }
    ~MouseWatch() override { qApp->removeEventFilter(this); }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++m_count;
            break;
        default:
            break;
        }
        return false;
    }

private:
    int m_count = 0;
};

template <typename T = QWidget> T *in(const QString &window, const char *name)
{
    return controlOf<T>(window, QLatin1String(name));
}

struct Walk
{
    QStringList failures;
    // The menu entries the walk came to, to tell where it stopped.
    QStringList reached;
    QString entry;
    int photoAfterSteps = 0;
    bool slidePlayed = false;
    bool filmPlayed = false;
    bool copyEnded = false;
    bool helpShown = false;
    bool helpClosed = false;
};

// When a window closes, the desktop's window manager gives the keyboard back to the window
// below; with no window manager here, the walk does that itself.
void backToMainWindow(Script &script)
{
    script.then(
        [] {
            // A closed menu can stay the active window here; no desktop leaves it so.
            const QWidget *active = QApplication::activeWindow();
            if ((!active || !active->isVisible() || active->windowType() == Qt::Popup) && settled())
                mainWindow()->activateWindow();
            return settled() && QApplication::activeWindow() == mainWindow();
        },
        [] {});
}

void menu(Script &script, Walk &walk, const QString &entry)
{
    backToMainWindow(script);
    script.thenStart([&walk, entry] {
        walk.reached << entry;
        if (!chooseByKeyboard(entry))
            walk.failures << QStringLiteral("the keyboard cannot reach ") + entry;
    });
}

void chooseYearAndStep(Script &script, Walk &walk)
{
    script.then([] { return QApplication::activeWindow() == mainWindow(); },
                [&walk] {
                    // The first year button that Tab reaches.
                    for (int i = 0; i < 100 && !focused().startsWith(QStringLiteral("cmdYR(")); ++i)
                        press(Qt::Key_Tab);
                    press(Qt::Key_Space);
                    walk.entry = programState()->currentEntryCode();
                    press(Qt::Key_Period);
                    press(Qt::Key_Period);
                    press(Qt::Key_Comma);
                    press(Qt::Key_Period);
                    walk.photoAfterSteps = programState()->currentPhotoIndex();
                });
}

void readAndPrintArticle(Script &script, Walk &walk, const KeyboardBoxes &boxes)
{
    const QString viewer = QStringLiteral("txtForm");
    menu(script, walk, QStringLiteral("mnuMisc(2)"));
    script.then(documentViewerShown, [] {});
    script.thenStart([&walk, viewer] {
        pressButton(in(viewer, "cmdPrint"), walk.failures, QStringLiteral("Print"));
    });
    script
        .then(
            [viewer, &boxes] {
                return boxes.texts().contains(QStringLiteral("Printing complete!")) &&
                       QApplication::activeModalWidget() == topLevel(viewer);
            },
            [&walk, viewer] {
                pressButton(in(viewer, "SSCommand1"), walk.failures, QStringLiteral("Close"));
            })
        .then([] { return !documentViewer(); }, [] {});
}

void playSlideShow(Script &script, Walk &walk)
{
    const QString slide = QStringLiteral("frmSlide");
    menu(script, walk, QStringLiteral("mnuSlideShow"));
    script
        .then([slide] { return windowShown(slide); },
              [&walk, slide] {
                  pressButton(in<MultimediaDevice>(slide, "mmSlide")->button(Button::Play),
                              walk.failures, QStringLiteral("the show's Play"));
              })
        .then([slide] { return in<QTimer>(slide, "Timer1")->isActive(); },
              [&walk, slide] {
                  walk.slidePlayed = true;
                  pressButton(in(slide, "cmdExit"), walk.failures, QStringLiteral("Exit"));
              })
        .then([slide] { return !windowShown(slide); }, [] {});
}

void playFilmAndSound(Script &script, Walk &walk)
{
    const QString movie = QStringLiteral("frmMovie");
    auto device = [movie] { return in<MultimediaDevice>(movie, "MMControl1"); };
    menu(script, walk, QStringLiteral("mnuMovies"));
    script
        .then([movie] { return windowShown(movie); },
              [&walk, device] {
                  pressButton(device()->button(Button::Play), walk.failures,
                              QStringLiteral("the film's Play"));
              })
        .then([device] { return device()->isPlaying() && device()->position() > 0; },
              [&walk, movie] {
                  walk.filmPlayed = true;
                  pressButton(in(movie, "SSCommand1"), walk.failures, QStringLiteral("Exit"));
              })
        .then([movie] { return !topLevel(movie); }, [] {});
    menu(script, walk, QStringLiteral("mnuSound"));
    backToMainWindow(script);
    script.then([] { return control(QStringLiteral("SSCommand2(0)"))->isVisible(); },
                [&walk] {
                    pressButton(control(QStringLiteral("SSCommand2(0)")), walk.failures,
                                QStringLiteral("the first sound"));
                });
}

void copyAndInstall(Script &script, Walk &walk)
{
    auto copyOver = [] {
        return !control(QStringLiteral("pnlProgress"))->isVisible() && mainWindow()->isEnabled();
    };
    menu(script, walk, QStringLiteral("mnuCopy"));
    backToMainWindow(script);
    script.then([] { return control(QStringLiteral("pnlProgress"))->isVisible(); },
                [&walk] {
                    pressButton(control(QStringLiteral("cmdCopy")), walk.failures,
                                QStringLiteral("Copy Photos"));
                });
    script.then([copyOver] { return copyOver() && settled(); }, [&walk] { walk.copyEnded = true; });
    menu(script, walk, QStringLiteral("mnuSaver"));
    script.then([] { return settled() && control(QStringLiteral("SSCommand4"))->isVisible(); },
                [] {});
    backToMainWindow(script);
    script.thenStart([&walk] {
        pressButton(control(QStringLiteral("SSCommand4")), walk.failures,
                    QStringLiteral("Install"));
    });
    backToMainWindow(script);
    script.then([] { return settled() && control(QStringLiteral("SSCommand6"))->isVisible(); },
                [&walk] {
                    pressButton(control(QStringLiteral("SSCommand6")), walk.failures,
                                QStringLiteral("the screen saver's Exit"));
                });
}

HelpWindow *shownHelp()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *help = qobject_cast<HelpWindow *>(window); help && help->isVisible())
            return help;
    }
    return nullptr;
}

void openAndCloseHelp(Script &script, Walk &walk)
{
    menu(script, walk, QStringLiteral("mnuContents"));
    script
        .then([] { return shownHelp() != nullptr; },
              [&walk] {
                  walk.helpShown = true;
                  shownHelp()->activateWindow();
              })
        .then([] { return QApplication::activeWindow() == shownHelp(); },
              [] { press(Qt::Key_Escape); })
        .then([&walk] { walk.helpClosed = !shownHelp(); });
}

} // namespace

// The whole program with the keyboard alone: no mouse event reaches it.
class KeyboardWalkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("GALLERION_SCREEN", "800x600");
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("GALLERION_PRINT_DIR", m_home.filePath(QStringLiteral("print")).toLocal8Bit());
        QDir().mkpath(m_home.filePath(QStringLiteral("print")));
    }
    void everyStepWithTheKeyboardAlone();

private:
    QTemporaryDir m_home;
};

void KeyboardWalkTest::everyStepWithTheKeyboardAlone()
{
    DiscFixture fixture;
    fixture.useDisc();
    QVERIFY(QFile::link(QStringLiteral(GALLERION_BINARY_DIR "/src/help"),
                        fixture.programDir() + QStringLiteral("/help")));
    TraceLog trace;
    MouseWatch mouse;
    KeyboardBoxes boxes;
    Walk walk;
    Script script;
    script.then(shortenSplash).then(mainWindowShown, [] {});
    chooseYearAndStep(script, walk);
    readAndPrintArticle(script, walk, boxes);
    playSlideShow(script, walk);
    playFilmAndSound(script, walk);
    copyAndInstall(script, walk);
    openAndCloseHelp(script, walk);
    menu(script, walk, QStringLiteral("mnuExit"));
    const int result = runScript(script);
    QVERIFY2(result == 0, qPrintable(QStringLiteral("stopped after %1; %2")
                                         .arg(walk.reached.join(QLatin1Char(' ')),
                                              walk.failures.join(QStringLiteral("; ")))));

    QVERIFY2(walk.failures.isEmpty(), qPrintable(walk.failures.join(QStringLiteral("; "))));
    QCOMPARE(mouse.count(), 0);
    QVERIFY(!walk.entry.isEmpty());
    QCOMPARE(walk.photoAfterSteps, 3);
    QVERIFY(boxes.texts().contains(QStringLiteral("Printing complete!")));
    QCOMPARE(QDir(m_home.filePath(QStringLiteral("print"))).entryList(QDir::Files).size(), 1);
    QVERIFY(walk.slidePlayed);
    QVERIFY(walk.filmPlayed);
    QStringList soundCommands;
    for (const QJsonObject &line : trace.lines(QStringLiteral("media"))) {
        if (line.value(QStringLiteral("control")).toString() == QLatin1String("Form1.MMControl1"))
            soundCommands << line.value(QStringLiteral("value")).toString();
    }
    QVERIFY2(soundCommands.contains(QStringLiteral("play")), qPrintable(soundCommands.join(' ')));
    QVERIFY(walk.copyEnded);
    QVERIFY(boxes.texts().contains(QStringLiteral("Photos successfully copied!\r\n")));
    QVERIFY(!QDir(fixture.programDir() + QStringLiteral("/zarvicks")).isEmpty());
    QVERIFY2(std::any_of(boxes.texts().cbegin(), boxes.texts().cend(),
                         [](const QString &text) {
                             return text.contains(
                                 QStringLiteral("Screen Saver has been installed"));
                         }),
             qPrintable(boxes.texts().join(QStringLiteral(" | "))));
    QVERIFY(walk.helpShown);
    QVERIFY(walk.helpClosed);
    QVERIFY(!mainWindow());
}

QTEST_MAIN(KeyboardWalkTest)
#include "tst_keyboardwalk.moc"
