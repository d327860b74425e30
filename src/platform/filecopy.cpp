#include "platform/filecopy.h"

#include "platform/filesystem.h"

#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <unistd.h>
#endif

namespace gallerion {

namespace {

// Large enough that the copy keeps pace with the system's own copy tools.
constexpr qint64 BufferBytes = 1 << 20;

#ifdef Q_OS_LINUX
// Lets the kernel move the bytes without a round trip through the program.
// The bytes moved, or minus the error number.
qint64 kernelCopy(int from, int to, qint64 offset, qint64 bytes)
{
    loff_t in = offset;
    loff_t out = offset;
    const ssize_t done = ::copy_file_range(from, &in, to, &out, size_t(bytes), 0);
    return done < 0 ? -errno : done;
}
#endif

} // namespace

FileCopy::FileCopy(const QString &source, const QString &target, std::shared_ptr<NameIndex> names)
    : FileCopy(std::make_unique<QFile>(source), target, std::move(names))
{}

FileCopy::FileCopy(std::unique_ptr<QIODevice> source, const QString &target,
                   std::shared_ptr<NameIndex> names)
    : m_source(std::move(source)), m_partial(target + QStringLiteral(".partial")), m_target(target),
      m_names(std::move(names))
{}

FileCopy::~FileCopy()
{
    if (!m_committed)
        discard();
}

bool FileCopy::open()
{
    if (!m_source || m_target.isEmpty()) {
        // A file missing from a disc image, or a target on no drive or inside an image.
        m_error = QStringLiteral("There is no such file to copy or place to copy it to.");
        return false;
    }
    if (!m_source->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(*m_source);
    m_size = m_source->size();
    if (!m_partial.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return fail(m_partial);
    return true;
}

bool FileCopy::copyNext(qint64 bytes)
{
    const qint64 end = m_copied + std::min(bytes, m_size - m_copied);
    if (!kernelTransfer(end))
        return false;
    while (m_copied < end) {
        if (!plainTransfer(std::min(end - m_copied, BufferBytes)))
            return false;
    }
    return true;
}

bool FileCopy::kernelTransfer(qint64 end)
{
#ifdef Q_OS_LINUX
    const auto *sourceFile = qobject_cast<const QFile *>(m_source.get());
    m_kernelCopy = m_kernelCopy && sourceFile;
    while (m_copied < end && m_kernelCopy) {
        const qint64 moved =
            kernelCopy(sourceFile->handle(), m_partial.handle(), m_copied, end - m_copied);
        if (moved > 0) {
            m_copied += moved;
            continue;
        }
        if (moved < 0 && moved != -EXDEV && moved != -ENOSYS && moved != -EINVAL &&
            moved != -EOPNOTSUPP) {
            m_error = qt_error_string(int(-moved));
            return false;
        }
        // Not for these files, or the source ended early: the plain copy
        // takes over and tells which.
        m_kernelCopy = false;
    }
#else
    Q_UNUSED(end);
#endif
    return true;
}

bool FileCopy::plainTransfer(qint64 bytes)
{
    if (!m_source->seek(m_copied) || !m_partial.seek(m_copied))
        return fail(*m_source);
    m_buffer.resize(BufferBytes);
    const qint64 read = m_source->read(m_buffer.data(), bytes);
    if (read < 0)
        return fail(*m_source);
    if (read < bytes) {
        m_error = QStringLiteral("The file ended before all of it could be read.");
        return false;
    }
    if (m_partial.write(m_buffer.constData(), read) != read)
        return fail(m_partial);
    m_copied += read;
    return true;
}

bool FileCopy::commit()
{
    if (m_source)
        m_source->close();
    m_partial.close();
    if (m_partial.error() != QFileDevice::NoError)
        return fail(m_partial);
    if (QFileInfo::exists(m_target) && !QFile::remove(m_target)) {
        m_error = QStringLiteral("The earlier copy could not be replaced.");
        return false;
    }
    if (!m_partial.rename(m_target))
        return fail(m_partial);
    m_committed = true;
    if (m_names)
        m_names->added(m_target);
    return true;
}

bool FileCopy::fail(const QIODevice &device)
{
    m_error = device.errorString();
    return false;
}

void FileCopy::discard()
{
    if (m_source)
        m_source->close();
    m_partial.close();
    m_partial.remove();
}

} // namespace gallerion
