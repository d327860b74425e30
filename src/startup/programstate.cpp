#include "startup/programstate.h"

#include "platform/trace.h"

#include <QMetaProperty>

namespace gallerion {

ProgramState::ProgramState(QObject *parent) : QObject(parent), m_entries(new EntryModel(this))
{
    setObjectName(QStringLiteral("ProgramState"));
    connect(m_entries, &EntryModel::photoListChanged, this, &ProgramState::photoListChanged);
    connect(m_entries, &EntryModel::codeChanged, this, &ProgramState::entryCodeChanged);
    connect(m_entries, &EntryModel::photoChanged, this, &ProgramState::photoChanged);
}

void ProgramState::forwardProperties(QObject *model)
{
    const QMetaObject *meta = model->metaObject();
    const QMetaMethod update = metaObject()->method(metaObject()->indexOfSlot("refreshForwarded()"));
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        copyProperty(model, property);
        if (property.hasNotifySignal())
            connect(model, property.notifySignal(), this, update);
    }
}

void ProgramState::refreshForwarded()
{
    QObject *model = sender();
    const QMetaObject *meta = model->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        copyProperty(model, meta->property(i));
}

void ProgramState::copyProperty(const QObject *model, const QMetaProperty &property)
{
    setProperty(property.name(), property.read(model));
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
