#include "platform/singleinstance.h"

#include <QDir>
#include <QStandardPaths>

namespace gallerion {

namespace {
QString lockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/zarvick-gallerion-2001.lock");
}
} // namespace

SingleInstance::SingleInstance() : m_lock(std::make_unique<QLockFile>(lockPath()))
{
    // A live holder never goes stale; a dead one is detected by its process id.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

} // namespace gallerion
