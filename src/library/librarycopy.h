#pragma once

#include "library/copyjob.h"
#include "library/librarymessages.h"

#include "platform/messagebox.h"

#include <QObject>
#include <QPointer>

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;
class ProgressPanel;

// Copying the disc's photos or movies into the program directory on the
// progress panel: preparing the panel, the copy itself and its end.
class LibraryCopy : public QObject
{
    Q_OBJECT
public:
    LibraryCopy(MainWindowHost &host, ProgramState &state, Platform &platform);

    // The menu entries: shows the panel when there is room for the copy, and
    // tells whether it did.
    bool prepare(CopyContent content);
    // cmdCopy.
    void copy();
    bool isCopying() const { return m_job != nullptr; }

signals:
    // Every copy that cmdCopy started ends here, declined or done.
    void copyEnded(CopyContent content, bool allCopied);

private:
    CopyContent content() const;
    QString folder() const;
    bool enoughSpace(qint64 needed);
    bool makeFolder();
    void abort();
    bool listFiles(QList<CopyItem> &items);
    void startJob(QList<CopyItem> items);
    void showFailure(const QString &description);
    void finish(int failures);
    int tell(const QString &text, MessageIcon icon, MessageButtons buttons, const QString &title);

    MainWindowHost &m_host;
    ProgramState &m_state;
    Platform &m_platform;
    ProgressPanel *m_panel;
    QPointer<CopyJob> m_job;
};

} // namespace gallerion
