#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>

class QTimer;

namespace gallerion {

// One run of a program, followed by its finished signal; the interface thread never waits
// for it. A program that runs past its time limit is killed and reported as such.
class ProcessRun : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        Finished,
        FailedToStart,
        Crashed,
        TimedOut
    };
    Q_ENUM(Outcome)

    ProcessRun(const QString &program, const QStringList &arguments,
               std::chrono::milliseconds limit, QObject *parent);

    // Starts the program; ended() follows exactly once, also when it cannot be started.
    void start();
    bool isRunning() const { return m_running; }

signals:
    void ended(gallerion::ProcessRun::Outcome outcome, int exitCode);

private:
    void end(Outcome outcome, int exitCode);

    QString m_program;
    QStringList m_arguments;
    std::chrono::milliseconds m_limit;
    QProcess *m_process;
    QTimer *m_limitTimer;
    bool m_running = false;
};

// Starts programs: each run reports its end by signal.
class ProcessRunner
{
public:
    // A run owned by parent, not yet started.
    ProcessRun *prepare(const QString &program, const QStringList &arguments,
                        std::chrono::milliseconds limit, QObject *parent);
    // Runs the program to its end; false when it could not be started.
    // Spins a local loop: kept only for the callers that have not yet moved to prepare().
    bool runAndWait(const QString &program, const QStringList &arguments = {});
    // Starts the program and leaves it running; false when it could not be started.
    bool startDetached(const QString &program, const QStringList &arguments = {});
};

} // namespace gallerion
