#pragma once

#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <QWaitCondition>

#include <functional>
#include <optional>

class QThread;

namespace gallerion {

// Decodes photos at the size they are shown and works ahead: while one photo is
// on view, a worker thread decodes the likely next steps, so that a step only
// hands over a decoded photo. Keeps at most three photos: the one on view and
// up to two preloaded. Every method is meant to be called from the loader's
// own thread; only the worker runs elsewhere.
class PhotoLoader : public QObject
{
    Q_OBJECT
public:
    // Reads one photo fitted into a box; called on both threads.
    using Decoder = std::function<QImage(const QString &nativePath, const QSize &box)>;

    explicit PhotoLoader(QObject *parent = nullptr);
    // Tests observe and pace the decoding through their own decoder.
    explicit PhotoLoader(Decoder decoder, QObject *parent = nullptr);
    // Cancels what is queued and waits for the decode that is running.
    ~PhotoLoader() override;

    // The photo fitted into box (aspect kept), which becomes the photo on view:
    // taken ready when preloaded, awaited when the worker is decoding it now,
    // else decoded here. A null image when the file cannot be read.
    QImage photo(const QString &nativePath, const QSize &box);
    // Decodes these in the background, one at a time, the first as the likelier
    // next step; replaces what an earlier call left queued. Only the first two
    // that are not on view are taken, as no more would be kept.
    void preload(const QStringList &nativePaths, const QSize &box);
    bool isReady(const QString &nativePath, const QSize &box) const;

signals:
    // A preloaded photo is ready (queued to the loader's thread).
    void preloaded(const QString &nativePath);

private:
    struct Decoded
    {
        QString path;
        QImage image;
    };

    void work();
    void decodeNext(QMutexLocker<QMutex> &lock);
    std::optional<QImage> readyOrAwaited(const QString &path);
    bool keepPreloaded(const QString &path, const QSize &box, const QImage &image);
    void show(const QString &path, const QImage &image);
    void useBox(const QSize &box);
    void dropUnwanted();
    void trim();
    int rank(const QString &path) const;
    qsizetype indexOf(const QString &path) const;
    bool isDecoding(const QString &path) const;

    const Decoder m_decode;
    mutable QMutex m_mutex;
    QWaitCondition m_workQueued;
    QWaitCondition m_decodeFinished;
    QThread *m_worker = nullptr;

    // Everything below is guarded by m_mutex.
    QSize m_box;             // what every kept photo was decoded for
    QList<Decoded> m_kept;   // most recently used first
    QString m_onView;        // kept unless it could not be read
    QStringList m_wanted;    // the latest preload, likeliest first
    QStringList m_queue;     // wanted and not started
    QString m_decoding;      // the worker's photo, empty when idle
    QSize m_decodingBox;     // the box it is decoded for
    QString m_awaited;       // what photo() waits for the worker to finish
    QImage m_handedOver;     // that photo, once the worker finished it
    bool m_stopping = false; // set once, by the destructor
};

} // namespace gallerion
