#pragma once

#include <QString>
#include <QStringList>

namespace gallerion {

// Starts a program and waits for it to end while the windows keep responding.
class ProcessRunner
{
public:
    // Runs the program to its end; false when it could not be started.
    bool runAndWait(const QString &program, const QStringList &arguments = {});
    // Starts the program and leaves it running; false when it could not be started.
    bool startDetached(const QString &program, const QStringList &arguments = {});
};

} // namespace gallerion
