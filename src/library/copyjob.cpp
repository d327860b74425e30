#include "library/copyjob.h"

#include "platform/filesystem.h"

#include <QElapsedTimer>

namespace gallerion {

namespace {
// A slice ends after this long, so the gauges move many times a second and
// input is never held up for long.
constexpr qint64 SliceMs = 30;
// Bytes copied in one go: whole chunks, enough to keep the disk busy, and
// little enough that a slow disk still finishes one well within a slice.
constexpr qint64 BlockBytes = 128 * CopyChunkBytes;
} // namespace

CopyJob::CopyJob(const FileSystem &files, QList<CopyItem> items, qint64 total, QObject *parent)
    : QObject(parent), m_files(files), m_items(std::move(items)), m_tally(total)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &CopyJob::runSlice);
}

CopyJob::~CopyJob() = default;

void CopyJob::start()
{
    m_timer.start();
}

void CopyJob::runSlice()
{
    QElapsedTimer clock;
    clock.start();
    while (hasWork() && clock.elapsed() < SliceMs) {
        if (m_current)
            copyBlock();
        else
            beginFile();
    }
    emit progressed();
    if (hasWork())
        m_timer.start();
    else
        emit finished(m_failures);
}

bool CopyJob::hasWork() const
{
    return m_current || m_next < m_items.size();
}

void CopyJob::beginFile()
{
    const CopyItem &item = m_items.at(m_next++);
    m_source = item.source;
    m_current = m_files.startCopy(item.source, item.destination);
    if (!m_current->open()) {
        failFile();
        return;
    }
    m_tally.startFile(m_current->size());
}

void CopyJob::copyBlock()
{
    if (!m_current->copyNext(BlockBytes)) {
        failFile();
        return;
    }
    m_tally.copiedUpTo(m_current->copied());
    if (m_current->atEnd())
        endFile();
}

void CopyJob::endFile()
{
    m_tally.fileDone();
    if (!m_current->commit()) {
        failFile();
        return;
    }
    m_current.reset();
}

void CopyJob::failFile()
{
    const QString description = m_current->errorString();
    m_current.reset(); // takes the partly written file away
    ++m_failures;
    emit progressed();
    emit fileFailed(m_source, description);
}

} // namespace gallerion
