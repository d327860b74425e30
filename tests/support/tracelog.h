#pragma once

#include <QJsonObject>
#include <QList>
#include <QTemporaryDir>

namespace gallerion::test {

// Points GALLERION_TRACE at a fresh file for the object's lifetime.
class TraceLog
{
public:
    TraceLog();
    ~TraceLog();

    QString path() const;
    // Every line, or only those of one kind ("msgbox", "media", ...).
    QList<QJsonObject> lines(const QString &kind = QString()) const;

private:
    QTemporaryDir m_dir;
};

} // namespace gallerion::test
