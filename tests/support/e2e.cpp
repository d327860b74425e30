#include "support/e2e.h"

#include "app/run.h"
#include "startup/programstate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

namespace gallerion::test {

namespace {
constexpr int PollMs = 50;
constexpr int StepTimeoutMs = 60000;

void linkEntries(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const auto entries = QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries)
        QFile::link(entry.absoluteFilePath(), to + QLatin1Char('/') + entry.fileName());
}
} // namespace

QString sampleDiscDir()
{
    return QStringLiteral(GALLERION_SAMPLE_DISC_DIR);
}

DiscFixture::DiscFixture()
{
    linkEntries(sampleDiscDir() + QStringLiteral("/disc"), discDir());
    linkEntries(sampleDiscDir() + QStringLiteral("/program"), programDir());
}

void DiscFixture::materialise(const QString &dir)
{
    const QFileInfo info(dir);
    if (!info.isSymLink())
        return;
    const QString target = info.symLinkTarget();
    QFile::remove(dir);
    linkEntries(target, dir);
}

void DiscFixture::removeDiscFile(const QString &relativePath)
{
    const QString parent = QFileInfo(discDir() + QLatin1Char('/') + relativePath).path();
    materialise(parent);
    QFile::remove(discDir() + QLatin1Char('/') + relativePath);
}

void DiscFixture::removeProgramFile(const QString &name)
{
    QFile::remove(programDir() + QLatin1Char('/') + name);
}

void DiscFixture::useDrives(const QString &drives) const
{
    qputenv("GALLERION_DRIVES", drives.toLocal8Bit());
    qputenv("GALLERION_PROGRAM_DIR", programDir().toLocal8Bit());
}

void DiscFixture::useDisc(QChar letter) const
{
    useDrives(QString(letter) + QLatin1Char('=') + discDir());
}

int runProgram(const QStringList &arguments)
{
    QList<QByteArray> storage{QByteArrayLiteral("zarvick-gallerion")};
    for (const QString &argument : arguments)
        storage.append(argument.toLocal8Bit());
    QList<char *> argv;
    for (QByteArray &argument : storage)
        argv.append(argument.data());
    argv.append(nullptr);
    return gallerion::run(int(storage.size()), argv.data());
}

ProgramState *programState()
{
    return qApp->findChild<ProgramState *>(QStringLiteral("ProgramState"),
                                           Qt::FindDirectChildrenOnly);
}

QWidget *topLevel(const QString &objectName)
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->objectName() == objectName)
            return widget;
    }
    return nullptr;
}

bool windowShown(const QString &objectName)
{
    QWidget *window = topLevel(objectName);
    return window && window->isVisible();
}

bool shortenSplash()
{
    QWidget *splash = topLevel(QStringLiteral("Form2"));
    auto *timer = splash ? splash->findChild<QTimer *>(QStringLiteral("Timer1")) : nullptr;
    if (!timer || !timer->isActive())
        return false;
    timer->setInterval(10);
    return true;
}

bool mainWindowShown()
{
    return windowShown(QStringLiteral("Form1"));
}

void closeMainWindow()
{
    if (QWidget *form = mainWindow())
        form->close();
}

QWidget *mainWindow()
{
    return topLevel(QStringLiteral("Form1"));
}

QString focused()
{
    QWidget *widget = mainWindow()->focusWidget();
    return widget ? widget->objectName() : QString();
}

void click(const QString &button)
{
    control<QPushButton>(button)->click();
}

void clickYear(int index)
{
    click(QStringLiteral("cmdYR(%1)").arg(index));
}

QAction *menuEntry(const QString &name)
{
    return mainWindow()->findChild<QAction *>(name);
}

QWidget *documentViewer()
{
    return topLevel(QStringLiteral("txtForm"));
}

bool documentViewerShown()
{
    return windowShown(QStringLiteral("txtForm"));
}

void openAndCloseDocument(Script &script, const std::function<void()> &open,
                          const std::function<void()> &record)
{
    script.thenStart(open)
        .then(documentViewerShown,
              [record] {
                  record();
                  controlOf<QPushButton>(QStringLiteral("txtForm"), QStringLiteral("SSCommand1"))
                      ->click();
              })
        .then([] { return !documentViewer(); }, [] {});
}

int runScript(const Script &script, const QStringList &arguments)
{
    const int result = runProgram(arguments);
    // Not QVERIFY2, which can only return from a function without a result.
    QTest::qVerify(script.finished(), "script.finished()", qPrintable(script.failure()), __FILE__,
                   __LINE__);
    return result;
}

void runWithMainWindow(const DiscFixture &fixture, const std::function<void(Script &)> &steps,
                       const QStringList &arguments)
{
    fixture.useDisc();
    Script script;
    script.then(shortenSplash).then(mainWindowShown, [] {});
    steps(script);
    script.then(closeMainWindow);
    runScript(script, arguments);
}

void runOnMainWindow(const DiscFixture &fixture, const std::function<void()> &action,
                     const QStringList &arguments)
{
    runWithMainWindow(
        fixture, [&](Script &script) { script.then(action); }, arguments);
}

void runOnSampleDisc(const std::function<void()> &action, const QStringList &arguments)
{
    const DiscFixture fixture;
    runOnMainWindow(fixture, action, arguments);
}

BoxAnswerer::BoxAnswerer(QList<QMessageBox::StandardButton> answers, QObject *parent)
    : QObject(parent), m_answers(std::move(answers))
{
    connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::poll);
    m_timer.start(PollMs);
}

void BoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_texts.append(box->text());
    m_titles.append(box->windowTitle());
    QAbstractButton *button = nullptr;
    if (!m_answers.isEmpty())
        button = box->button(m_answers.takeFirst());
    if (!button)
        button = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                      : box->buttons().value(0);
    if (button)
        button->click();
    else
        box->reject();
}

Script::Script(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &Script::poll);
    m_timer.start(PollMs);
}

Script &Script::then(std::function<bool()> ready, std::function<void()> action)
{
    m_steps.append({std::move(ready), std::move(action)});
    return *this;
}

Script &Script::then(std::function<void()> action)
{
    return then([] { return true; }, std::move(action));
}

Script &Script::thenStart(std::function<void()> action)
{
    return then([action = std::move(action)] { QTimer::singleShot(0, qApp, action); });
}

void Script::poll()
{
    if (m_steps.isEmpty())
        return;
    if (!m_steps.first().ready()) {
        m_waitedMs += PollMs;
        if (m_waitedMs > StepTimeoutMs) {
            m_failure = QStringLiteral("a step never became ready");
            m_steps.clear();
            // A box nobody answers would keep the program from ending.
            m_timer.callOnTimeout(this, [] {
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
            });
            if (ProgramState *state = programState())
                state->requestEnd(99);
        }
        return;
    }
    m_waitedMs = 0;
    const Step step = m_steps.takeFirst();
    step.action();
}

} // namespace gallerion::test
