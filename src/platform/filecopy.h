#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

#include <memory>

namespace gallerion {

class NameIndex;

// One file copied piece by piece into a temporary name beside the target,
// which takes the target's name only once every byte is written: a failure or
// an abandoned copy leaves no torn file and keeps an earlier copy intact.
class FileCopy
{
public:
    // Native paths; the index learns the target's name once it exists.
    FileCopy(const QString &source, const QString &target, std::shared_ptr<NameIndex> names);
    // Copies from a device that is not a file of its own, such as a file in a disc image.
    FileCopy(std::unique_ptr<QIODevice> source, const QString &target,
             std::shared_ptr<NameIndex> names);
    ~FileCopy();
    FileCopy(const FileCopy &) = delete;
    FileCopy &operator=(const FileCopy &) = delete;

    // Opens both files; false with errorString() set when either fails.
    bool open();
    qint64 size() const { return m_size; }
    qint64 copied() const { return m_copied; }
    bool atEnd() const { return m_copied >= m_size; }

    // Copies up to this many further bytes; false on a read or write error.
    bool copyNext(qint64 bytes);
    // Gives the finished copy the target's name.
    bool commit();
    // The system's description of the last failure.
    QString errorString() const { return m_error; }

private:
    bool kernelTransfer(qint64 end);
    bool plainTransfer(qint64 bytes);
    bool fail(const QIODevice &device);
    void discard();

    std::unique_ptr<QIODevice> m_source;
    QFile m_partial;
    QString m_target;
    std::shared_ptr<NameIndex> m_names;
    QByteArray m_buffer;
    qint64 m_size = 0;
    qint64 m_copied = 0;
    bool m_committed = false;
    bool m_kernelCopy = true;
    QString m_error;
};

} // namespace gallerion
