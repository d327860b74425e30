#pragma once

#include "library/copytally.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace gallerion {

class FileCopy;
class FileSystem;

// One file of a copy, as program paths.
struct CopyItem
{
    QString source;
    QString destination;
};

// Copies a list of files a slice at a time from a zero timer, so that the
// window repaints and stays responsive between slices without a loop of its own.
// Each file is written under a temporary name first; a file that fails is
// reported and the copy goes on with the next one.
class CopyJob : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source NOTIFY progressed)
    Q_PROPERTY(double fileFill READ fileFill NOTIFY progressed)
    Q_PROPERTY(double wholeFill READ wholeFill NOTIFY progressed)
    Q_PROPERTY(int failures READ failures NOTIFY progressed)

public:
    CopyJob(const FileSystem &files, QList<CopyItem> items, qint64 total, QObject *parent);
    ~CopyJob() override;

    void start();

    QString source() const { return m_source; }
    double fileFill() const { return m_tally.fileFill(); }
    double wholeFill() const { return m_tally.wholeFill(); }
    qint64 remaining() const { return m_tally.remaining(); }
    int failures() const { return m_failures; }

signals:
    // At most once a slice, so the gauges repaint many times a second.
    void progressed();
    // The copy waits while this is handled, so a message box may be shown.
    void fileFailed(const QString &source, const QString &description);
    void finished(int failures);

private:
    void runSlice();
    bool hasWork() const;
    void beginFile();
    void copyBlock();
    void endFile();
    void failFile();

    const FileSystem &m_files;
    QList<CopyItem> m_items;
    qsizetype m_next = 0;
    std::unique_ptr<FileCopy> m_current;
    CopyTally m_tally;
    QString m_source;
    int m_failures = 0;
    QTimer m_timer;
};

} // namespace gallerion
