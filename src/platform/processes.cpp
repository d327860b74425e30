#include "platform/processes.h"

#include "platform/trace.h"

#include <QEventLoop>
#include <QTimer>

namespace gallerion {

namespace {
void traceProcess(const QString &program, const QStringList &arguments)
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("process")},
                  {QStringLiteral("program"), program},
                  {QStringLiteral("arguments"), arguments.join(QLatin1Char(' '))}});
}

// An installer may take its time with the user; a run that outlives this has hung.
constexpr std::chrono::minutes LegacyRunLimit(30);
} // namespace

ProcessRun::ProcessRun(const QString &program, const QStringList &arguments,
                       std::chrono::milliseconds limit, QObject *parent)
    : QObject(parent), m_program(program), m_arguments(arguments), m_limit(limit),
      m_process(new QProcess(this)), m_limitTimer(new QTimer(this))
{
    m_limitTimer->setSingleShot(true);
    connect(m_limitTimer, &QTimer::timeout, this, [this] {
        m_process->kill();
        end(Outcome::TimedOut, -1);
    });
    connect(
        m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
            end(status == QProcess::NormalExit ? Outcome::Finished : Outcome::Crashed, exitCode);
        });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(Outcome::FailedToStart, -1);
    });
}

void ProcessRun::start()
{
    traceProcess(m_program, m_arguments);
    m_running = true;
    m_limitTimer->start(m_limit);
    m_process->start(m_program, m_arguments);
}

void ProcessRun::end(Outcome outcome, int exitCode)
{
    if (!m_running)
        return;
    m_running = false;
    m_limitTimer->stop();
    emit ended(outcome, exitCode);
}

ProcessRun *ProcessRunner::prepare(const QString &program, const QStringList &arguments,
                                   std::chrono::milliseconds limit, QObject *parent)
{
    return new ProcessRun(program, arguments, limit, parent);
}

bool ProcessRunner::runAndWait(const QString &program, const QStringList &arguments)
{
    ProcessRun run(program, arguments, LegacyRunLimit, nullptr);
    QEventLoop loop;
    ProcessRun::Outcome outcome = ProcessRun::Outcome::Finished;
    QObject::connect(&run, &ProcessRun::ended, &loop, [&](ProcessRun::Outcome result, int) {
        outcome = result;
        loop.quit();
    });
    run.start();
    if (run.isRunning())
        loop.exec();
    return outcome != ProcessRun::Outcome::FailedToStart;
}

bool ProcessRunner::startDetached(const QString &program, const QStringList &arguments)
{
    traceProcess(program, arguments);
    return QProcess::startDetached(program, arguments);
}

} // namespace gallerion
