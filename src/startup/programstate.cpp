#include "startup/programstate.h"

#include "platform/trace.h"

namespace gallerion {

ProgramState::ProgramState(QObject *parent) : QObject(parent), m_entries(new EntryModel(this))
{
    setObjectName(QStringLiteral("ProgramState"));
    connect(m_entries, &EntryModel::photoListChanged, this, &ProgramState::photoListChanged);
    connect(m_entries, &EntryModel::codeChanged, this, &ProgramState::entryCodeChanged);
    connect(m_entries, &EntryModel::photoChanged, this, &ProgramState::photoChanged);
}

QStringList ProgramState::photoList() const
{
    return m_entries->photoList();
}

QStringList ProgramState::photoNumbers() const
{
    return m_entries->photoNumbers();
}

int ProgramState::photoCount() const
{
    return m_entries->photoCount();
}

int ProgramState::codePosition() const
{
    return m_entries->codePosition();
}

QString ProgramState::currentEntryCode() const
{
    return m_entries->code();
}

void ProgramState::setCurrentEntryCode(const QString &code)
{
    m_entries->setCode(code);
}

int ProgramState::currentPhotoIndex() const
{
    return m_entries->cursor().currentIndex;
}

int ProgramState::shownPhotoIndex() const
{
    return m_entries->shownIndex();
}

QString ProgramState::currentPhotoPath() const
{
    return m_entries->photoPath();
}

bool ProgramState::entryJustOpened() const
{
    return m_entries->cursor().entryJustOpened;
}

bool ProgramState::lastStepForward() const
{
    return m_entries->cursor().lastStepForward;
}

bool ProgramState::lastStepBack() const
{
    return m_entries->cursor().lastStepBack;
}

void ProgramState::returnToMainWindow()
{
    emit returnedToMainWindow();
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
