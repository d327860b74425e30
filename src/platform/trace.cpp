#include "platform/trace.h"

#include <QFile>
#include <QJsonDocument>

namespace gallerion::trace {

namespace {
QString tracePath()
{
    return qEnvironmentVariable("GALLERION_TRACE");
}
} // namespace

bool enabled()
{
    return !tracePath().isEmpty();
}

void write(const QJsonObject &entry)
{
    const QString path = tracePath();
    if (path.isEmpty())
        return;
    // Opened per line so that the file is complete even if the program dies.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact));
    file.write("\n");
}

} // namespace gallerion::trace
