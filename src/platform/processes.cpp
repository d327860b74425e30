#include "platform/processes.h"

#include "platform/trace.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>

namespace gallerion {

namespace {
void traceProcess(const QString &program, const QStringList &arguments)
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("process")},
                  {QStringLiteral("program"), program},
                  {QStringLiteral("arguments"), arguments.join(QLatin1Char(' '))}});
}
} // namespace

bool ProcessRunner::runAndWait(const QString &program, const QStringList &arguments)
{
    traceProcess(program, arguments);
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return false;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    return true;
}

bool ProcessRunner::startDetached(const QString &program, const QStringList &arguments)
{
    traceProcess(program, arguments);
    return QProcess::startDetached(program, arguments);
}

} // namespace gallerion
