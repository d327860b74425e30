#include "support/tracelog.h"

#include <QFile>
#include <QJsonDocument>

namespace gallerion::test {

TraceLog::TraceLog()
{
    qputenv("GALLERION_TRACE", path().toLocal8Bit());
}

TraceLog::~TraceLog()
{
    qunsetenv("GALLERION_TRACE");
}

QString TraceLog::path() const
{
    return m_dir.filePath(QStringLiteral("trace.jsonl"));
}

QList<QJsonObject> TraceLog::lines(const QString &kind) const
{
    QList<QJsonObject> result;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return result;
    while (!file.atEnd()) {
        const QJsonObject line = QJsonDocument::fromJson(file.readLine()).object();
        if (kind.isEmpty() || line.value(QStringLiteral("kind")).toString() == kind)
            result.append(line);
    }
    return result;
}

} // namespace gallerion::test
