#include "support/faultyfolder.h"

#include <QFile>

#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

namespace gallerion::test {

FaultyFolder::FaultyFolder(Fault fault, int kilobytes)
{
    if (mountTmpfs(fault == Fault::ReadOnly, kilobytes)) {
        m_available = true;
        return;
    }
    if (fault == Fault::Full) {
        limitFileSize(kilobytes);
        return;
    }
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::ExeOwner);
    m_available = geteuid() != 0;
    m_how = QStringLiteral("a folder without write permission");
}

FaultyFolder::~FaultyFolder()
{
    if (m_mounted)
        umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
    if (m_limited)
        setrlimit(RLIMIT_FSIZE, &m_oldLimit);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool FaultyFolder::mountTmpfs(bool readOnly, int kilobytes)
{
    const QByteArray options = "mode=0777,size=" + QByteArray::number(kilobytes) + 'k';
    m_mounted = mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs",
                      readOnly ? MS_RDONLY : 0, options.constData()) == 0;
    m_how = QStringLiteral("a %1 tmpfs of %2 KB")
                .arg(QLatin1String(readOnly ? "read-only" : "writable"))
                .arg(kilobytes);
    return m_mounted;
}

// A write past the limit fails with EFBIG, as one on a full disk fails with
// ENOSPC; the signal that would end the process is ignored meanwhile.
void FaultyFolder::limitFileSize(int kilobytes)
{
    getrlimit(RLIMIT_FSIZE, &m_oldLimit);
    rlimit limit = m_oldLimit;
    limit.rlim_cur = rlim_t(kilobytes) * 1024;
    std::signal(SIGXFSZ, SIG_IGN);
    m_limited = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    m_available = m_limited;
    m_how = QStringLiteral("a file-size limit of %1 KB").arg(kilobytes);
}

} // namespace gallerion::test
