#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

class QAction;

namespace gallerion {
class ProgramState;
}

namespace gallerion::test {

// A private view of the sample disc and program folder for one test: folders
// are linked to the shared sample disc until the test changes them.
class DiscFixture
{
public:
    DiscFixture();

    QString discDir() const { return m_root.filePath(QStringLiteral("disc")); }
    QString programDir() const { return m_root.filePath(QStringLiteral("program")); }
    QString scratchDir() const { return m_root.path(); }

    // Removes one file ("richtext/glossary.rtf") from this view only.
    void removeDiscFile(const QString &relativePath);
    void removeProgramFile(const QString &name);
    // Sets GALLERION_DRIVES and GALLERION_PROGRAM_DIR.
    void useDrives(const QString &drives) const;
    void useDisc(QChar letter = QLatin1Char('E')) const;

private:
    void materialise(const QString &dir);
    QTemporaryDir m_root;
};

QString sampleDiscDir();

// Calls gallerion::run with these arguments.
int runProgram(const QStringList &arguments = {});

// The running program's state, or null between runs.
ProgramState *programState();

// Answers the program's real message boxes from a timer, one answer each, and
// records their texts. With no answer left, boxes get their default button.
class BoxAnswerer : public QObject
{
    Q_OBJECT
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers = {},
                         QObject *parent = nullptr);
    const QStringList &texts() const { return m_texts; }
    const QStringList &titles() const { return m_titles; }

private:
    void poll();
    QList<QMessageBox::StandardButton> m_answers;
    QStringList m_texts;
    QStringList m_titles;
    QTimer m_timer;
};

// Runs steps on the event loop of a running program, each once its condition
// holds; a step that never becomes ready ends the program so the test fails
// instead of hanging.
class Script : public QObject
{
    Q_OBJECT
public:
    explicit Script(QObject *parent = nullptr);
    // Waits until ready() is true, then runs action().
    Script &then(std::function<bool()> ready, std::function<void()> action);
    Script &then(std::function<void()> action);
    // For an action that opens a modal window: it runs from an event of its
    // own, so the script's timer, which does not fire inside its own handler,
    // goes on with the next steps while the window's loop runs.
    Script &thenStart(std::function<void()> action);
    // False after a step timed out, so a test that checks it can fail.
    bool finished() const { return m_steps.isEmpty() && m_failure.isEmpty(); }
    QString failure() const { return m_failure; }

private:
    void poll();
    struct Step
    {
        std::function<bool()> ready;
        std::function<void()> action;
    };
    QList<Step> m_steps;
    QTimer m_timer;
    int m_waitedMs = 0;
    QString m_failure;
};

// Start-up waits five seconds before the main window; tests need not. True
// once the start-up window's timer was shortened.
bool shortenSplash();
bool mainWindowShown();

// Closes the main window if it exists (ends the program normally).
void closeMainWindow();
QWidget *topLevel(const QString &objectName);
// True while a top-level window of that name exists and shows.
bool windowShown(const QString &objectName);

// A control of a top-level window by name, or null.
template <typename T = QWidget> T *controlOf(const QString &window, const QString &name)
{
    QWidget *top = topLevel(window);
    return top ? top->findChild<T *>(name) : nullptr;
}

// The main window (Form1), or null.
QWidget *mainWindow();

// A control of the main window by name, or null.
template <typename T = QWidget> T *control(const QString &name)
{
    return controlOf<T>(QStringLiteral("Form1"), name);
}

// The name of the main window's focus widget, or empty.
QString focused();
// Clicks a button of the main window.
void click(const QString &button);
// Clicks the year button cmdYR(index).
void clickYear(int index);
// A menu entry of the main window by name, or null.
QAction *menuEntry(const QString &name);

// The document viewer (txtForm), or null.
QWidget *documentViewer();
bool documentViewerShown();
// Adds the steps that open the document viewer, let record() read it and
// close it with its close button.
void openAndCloseDocument(Script &script, const std::function<void()> &open,
                          const std::function<void()> &record);

// Runs the program with a script the test wrote in full and fails the test
// when a step timed out. Returns the program's result.
int runScript(const Script &script, const QStringList &arguments = {});
// Runs the program on the fixture's disc in E: with the steps the test adds
// once the main window shows; the program ends after the last step.
void runWithMainWindow(const DiscFixture &fixture, const std::function<void(Script &)> &steps,
                       const QStringList &arguments = {});
// The same with one step.
void runOnMainWindow(const DiscFixture &fixture, const std::function<void()> &action,
                     const QStringList &arguments = {});
// The same on an unchanged view of the sample disc.
void runOnSampleDisc(const std::function<void()> &action, const QStringList &arguments = {});

} // namespace gallerion::test
