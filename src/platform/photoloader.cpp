#include "platform/photoloader.h"

#include "platform/photodecoder.h"

#include <QThread>

#include <utility>

namespace gallerion {

namespace {

// A decoded photo at the shown size can be several megabytes; the one on view
// and both neighbours are all a step needs.
constexpr qsizetype keptLimit = 3;
constexpr qsizetype preloadLimit = keptLimit - 1;

} // namespace

PhotoLoader::PhotoLoader(QObject *parent) : PhotoLoader(readImageAsShown, parent) {}

PhotoLoader::PhotoLoader(Decoder decoder, QObject *parent)
    : QObject(parent), m_decode(std::move(decoder))
{
    m_worker = QThread::create([this] { work(); });
    m_worker->setObjectName(QStringLiteral("PhotoLoader"));
    m_worker->setParent(this);
    m_worker->start();
}

PhotoLoader::~PhotoLoader()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_queue.clear();
    }
    m_workQueued.wakeAll();
    // A running decode cannot be interrupted; it is short at the shown size.
    m_worker->wait();
}

QImage PhotoLoader::photo(const QString &nativePath, const QSize &box)
{
    QMutexLocker lock(&m_mutex);
    useBox(box);
    m_queue.removeAll(nativePath);
    std::optional<QImage> image = readyOrAwaited(nativePath);
    if (!image) {
        lock.unlock();
        image = m_decode(nativePath, box);
        lock.relock();
    }
    show(nativePath, *image);
    return *image;
}

void PhotoLoader::preload(const QStringList &nativePaths, const QSize &box)
{
    QMutexLocker lock(&m_mutex);
    useBox(box);
    m_wanted.clear();
    for (const QString &path : nativePaths) {
        if (m_wanted.size() < preloadLimit && !path.isEmpty() && path != m_onView &&
            !m_wanted.contains(path))
            m_wanted.append(path);
    }
    dropUnwanted();
    m_queue.clear();
    for (const QString &path : std::as_const(m_wanted)) {
        if (indexOf(path) < 0 && !isDecoding(path))
            m_queue.append(path);
    }
    m_workQueued.wakeOne();
}

bool PhotoLoader::isReady(const QString &nativePath, const QSize &box) const
{
    QMutexLocker lock(&m_mutex);
    return box == m_box && indexOf(nativePath) >= 0;
}

void PhotoLoader::work()
{
    QMutexLocker lock(&m_mutex);
    while (!m_stopping) {
        if (m_queue.isEmpty())
            m_workQueued.wait(&m_mutex);
        else
            decodeNext(lock);
    }
}

void PhotoLoader::decodeNext(QMutexLocker<QMutex> &lock)
{
    const QString path = m_queue.takeFirst();
    const QSize box = m_box;
    m_decoding = path;
    m_decodingBox = box;
    lock.unlock();
    const QImage image = m_decode(path, box);
    lock.relock();
    m_decoding.clear();
    if (path == m_awaited) {
        m_handedOver = image;
        m_decodeFinished.wakeAll();
        return;
    }
    if (keepPreloaded(path, box, image)) {
        QMetaObject::invokeMethod(
            this, [this, path] { emit preloaded(path); }, Qt::QueuedConnection);
    }
}

// A kept photo is taken as it is; the worker's current one is awaited rather
// than decoded a second time. Nothing when neither.
std::optional<QImage> PhotoLoader::readyOrAwaited(const QString &path)
{
    if (const qsizetype at = indexOf(path); at >= 0)
        return m_kept.at(at).image;
    if (!isDecoding(path))
        return std::nullopt;
    m_awaited = path;
    while (isDecoding(path))
        m_decodeFinished.wait(&m_mutex);
    m_awaited.clear();
    return std::exchange(m_handedOver, QImage());
}

// Whatever changed while the worker decoded decides whether it is still useful.
bool PhotoLoader::keepPreloaded(const QString &path, const QSize &box, const QImage &image)
{
    if (image.isNull() || box != m_box || !m_wanted.contains(path) || indexOf(path) >= 0)
        return false;
    m_kept.prepend({path, image});
    trim();
    return true;
}

void PhotoLoader::show(const QString &path, const QImage &image)
{
    m_onView = path;
    if (const qsizetype at = indexOf(path); at >= 0)
        m_kept.removeAt(at);
    if (!image.isNull())
        m_kept.prepend({path, image});
    trim();
}

void PhotoLoader::useBox(const QSize &box)
{
    if (box == m_box)
        return;
    m_box = box;
    m_kept.clear();
}

// Photos that are no longer neighbours of the one on view.
void PhotoLoader::dropUnwanted()
{
    m_kept.removeIf([this](const Decoded &kept) { return rank(kept.path) == m_wanted.size(); });
}

// Drops the least useful photo until the limit holds; the one on view stays.
void PhotoLoader::trim()
{
    while (m_kept.size() > keptLimit) {
        qsizetype worst = 0;
        for (qsizetype i = 1; i < m_kept.size(); ++i) {
            if (rank(m_kept.at(i).path) >= rank(m_kept.at(worst).path))
                worst = i;
        }
        m_kept.removeAt(worst);
    }
}

// Lower is more useful: the photo on view, then the wanted ones in their order,
// then the rest alike (the least recently used of those goes first).
int PhotoLoader::rank(const QString &path) const
{
    if (path == m_onView)
        return -1;
    const qsizetype wanted = m_wanted.indexOf(path);
    return int(wanted >= 0 ? wanted : m_wanted.size());
}

qsizetype PhotoLoader::indexOf(const QString &path) const
{
    for (qsizetype i = 0; i < m_kept.size(); ++i) {
        if (m_kept.at(i).path == path)
            return i;
    }
    return -1;
}

bool PhotoLoader::isDecoding(const QString &path) const
{
    return !m_decoding.isEmpty() && m_decoding == path && m_decodingBox == m_box;
}

} // namespace gallerion
