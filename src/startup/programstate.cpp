#include "startup/programstate.h"

#include "platform/trace.h"

namespace gallerion {

ProgramState::ProgramState(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("ProgramState"));
}

void ProgramState::requestEnd(int exitCode)
{
    if (m_ending)
        return;
    m_ending = true;
    m_exitCode = exitCode;
    trace::write(
        {{QStringLiteral("kind"), QStringLiteral("exit")}, {QStringLiteral("code"), exitCode}});
    emit endRequested();
}

} // namespace gallerion
