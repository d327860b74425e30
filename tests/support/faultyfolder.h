#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace gallerion::test {

// A folder whose writes fail, for tests of what the program does then. Full:
// a tmpfs of a few kilobytes, so a file of more fills it; where mounting is
// not allowed, a limit on the size of any file the process writes stands in
// for it. Read-only: a tmpfs mounted read-only, which even root cannot write;
// without the right to mount, a folder without write permission, which only
// holds for a user other than root. available() tells whether it holds.
class FaultyFolder
{
public:
    enum class Fault
    {
        Full,
        ReadOnly
    };
    explicit FaultyFolder(Fault fault, int kilobytes = 8);
    ~FaultyFolder();
    FaultyFolder(const FaultyFolder &) = delete;
    FaultyFolder &operator=(const FaultyFolder &) = delete;

    QString path() const { return m_dir.path(); }
    bool available() const { return m_available; }
    // How the fault is made, for the test's log.
    QString how() const { return m_how; }

private:
    bool mountTmpfs(bool readOnly, int kilobytes);
    void limitFileSize(int kilobytes);

    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_limited = false;
    bool m_available = false;
    rlimit m_oldLimit{};
    QString m_how;
};

} // namespace gallerion::test
