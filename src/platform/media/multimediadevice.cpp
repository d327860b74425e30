#include "platform/media/multimediadevice.h"

#include "platform/media/wavdecoder.h"
#include "platform/trace.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QJsonObject>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>
#include <QVideoWidget>

namespace gallerion {

namespace {

// Long enough for a busy machine to preroll a movie; a file that takes longer counts as
// one that does not play.
constexpr int LoadTimeoutMs = 15000;

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

MultimediaDevice::MultimediaDevice(QWidget *parent) : QWidget(parent)
{
    m_loadTimer = new QTimer(this);
    m_loadTimer->setSingleShot(true);
    m_loadTimer->setInterval(LoadTimeoutMs);
    connect(m_loadTimer, &QTimer::timeout, this, [this] {
        if (isOpening())
            finishOpen(QStringLiteral("Cannot play %1: it did not load in time").arg(m_fileName));
    });
    createPlayer();
    createButtons();
    // The window that embeds the device may say what it plays.
    setAccessibleName(QStringLiteral("Player controls"));
}

MultimediaDevice::~MultimediaDevice()
{
    // Stop the pipeline before the video widget in someone else's window goes away, and
    // before the device it reads.
    m_player->disconnect(this);
    m_player->stop();
    detachVideo();
    m_player->setSource(QUrl());
    delete m_player;
}

void MultimediaDevice::setContent(std::unique_ptr<QIODevice> content)
{
    m_content = std::move(content);
}

void MultimediaDevice::setDeviceType(const QString &type)
{
    m_deviceType = type;
    traceAction(QStringLiteral("devicetype"), type);
}

void MultimediaDevice::setFileName(const QString &path)
{
    m_fileName = path;
    traceAction(QStringLiteral("filename"), path);
}

void MultimediaDevice::setDisplayWindow(QWidget *window)
{
    if (window != m_display) {
        detachVideo();
        m_display = window;
        if (m_state != State::Closed && m_openKind == Kind::Video)
            attachVideo();
    }
    traceAction(QStringLiteral("display"), window ? window->objectName() : QString());
}

bool MultimediaDevice::command(const QString &command, QString *error)
{
    const QString verb = command.trimmed().toLower();
    QString failure;
    bool ok = true;
    if (verb == QLatin1String("open"))
        ok = openMedia(&failure);
    else if (verb == QLatin1String("play"))
        playMedia();
    else if (verb == QLatin1String("stop"))
        pauseMedia();
    else if (verb == QLatin1String("prev"))
        rewindMedia();
    else if (verb == QLatin1String("close"))
        closeMedia();
    else
        ok = fail(&failure, QStringLiteral("Unknown multimedia command: %1").arg(command));

    QJsonObject entry{{QStringLiteral("kind"), QStringLiteral("media")},
                      {QStringLiteral("control"), controlName()},
                      {QStringLiteral("action"), QStringLiteral("command")},
                      {QStringLiteral("value"), command},
                      {QStringLiteral("ok"), ok}};
    if (!ok)
        entry.insert(QStringLiteral("error"), failure);
    trace::write(entry);
    if (!ok && error)
        *error = failure;
    return ok;
}

bool MultimediaDevice::isPlaying() const
{
    return isOpen() && m_player->playbackState() == QMediaPlayer::PlayingState;
}

qint64 MultimediaDevice::position() const
{
    return isOpen() ? m_player->position() : 0;
}

qint64 MultimediaDevice::duration() const
{
    return isOpen() ? m_player->duration() : 0;
}

void MultimediaDevice::seek(qint64 milliseconds)
{
    if (isOpen())
        m_player->setPosition(qBound<qint64>(0, milliseconds, m_player->duration()));
}

bool MultimediaDevice::hasVideo() const
{
    return isOpen() && m_player->hasVideo();
}

bool MultimediaDevice::hasAudio() const
{
    return isOpen() && m_player->hasAudio();
}

MultimediaDevice::Kind MultimediaDevice::kind() const
{
    if (m_deviceType.compare(QLatin1String("WaveAudio"), Qt::CaseInsensitive) == 0)
        return Kind::Wave;
    if (m_deviceType.compare(QLatin1String("AVIVideo"), Qt::CaseInsensitive) == 0)
        return Kind::Video;
    return Kind::None;
}

QString MultimediaDevice::controlName() const
{
    return window()->objectName() + QLatin1Char('.') + objectName();
}

void MultimediaDevice::traceAction(const QString &action, const QJsonValue &value) const
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("media")},
                  {QStringLiteral("control"), controlName()},
                  {QStringLiteral("action"), action},
                  {QStringLiteral("value"), value}});
}

bool MultimediaDevice::openMedia(QString *error)
{
    closeMedia();
    if (kind() == Kind::None)
        return fail(error, QStringLiteral("Unsupported device type: %1").arg(m_deviceType));
    std::unique_ptr<QIODevice> content = takeContent(error);
    if (!content)
        return false;
    if (kind() == Kind::Wave && content->size() > wav::MaxFileBytes)
        return fail(error, QStringLiteral("The sound is too large to play: %1").arg(m_fileName));
    m_openKind = kind();
    m_state = State::Opening;
    if (m_openKind == Kind::Wave) {
        startDecoding(std::move(content));
    } else {
        attachVideo();
        startLoading(std::move(content));
    }
    return true;
}

std::unique_ptr<QIODevice> MultimediaDevice::takeContent(QString *error)
{
    if (m_content) {
        std::unique_ptr<QIODevice> content = std::move(m_content);
        if (content->isReadable())
            return content;
        fail(error, QStringLiteral("Cannot read %1").arg(m_fileName));
        return nullptr;
    }
    if (!QFileInfo(m_fileName).isFile()) {
        fail(error, QStringLiteral("File not found: %1").arg(m_fileName));
        return nullptr;
    }
    auto file = std::make_unique<QFile>(m_fileName);
    if (!file->open(QIODevice::ReadOnly)) {
        fail(error, file->errorString());
        return nullptr;
    }
    return file;
}

void MultimediaDevice::createPlayer()
{
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(new QAudioOutput(m_player));
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &MultimediaDevice::onMediaStatus);
    connect(m_player, &QMediaPlayer::errorOccurred, this, &MultimediaDevice::onPlayerError);
    connect(m_player, &QMediaPlayer::positionChanged, this, [this](qint64 position) {
        if (isOpen())
            emit positionChanged(position);
    });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
        if (isOpen())
            emit durationChanged(duration);
    });
    connect(m_player, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState state) {
                emit playingChanged(state == QMediaPlayer::PlayingState);
            });
}

// A pipeline that failed goes on posting errors for a while, which would spoil the next
// open. Deleted later: "open" may come from a slot that this player is calling.
void MultimediaDevice::replacePlayer()
{
    m_player->disconnect(this);
    m_player->deleteLater();
    createPlayer();
}

// Wave files are decoded here and handed over as clean 16-bit PCM: GStreamer's own
// parser silently skips some old files (8-bit mono with an odd length) and needs extra
// plugins for ADPCM. The decoded sound stays in memory, so nothing is left on disk.
void MultimediaDevice::startDecoding(std::unique_ptr<QIODevice> content)
{
    auto promise = std::make_shared<QPromise<Decoded>>();
    m_decoding = new QFutureWatcher<Decoded>(this);
    connect(m_decoding, &QFutureWatcherBase::finished, this, &MultimediaDevice::onDecoded);
    m_decoding->setFuture(promise->future());
    promise->start();
    // The worker reads the device; it must not belong to this thread's event loop then.
    content->moveToThread(nullptr);
    QThreadPool::globalInstance()->start(
        [promise, device = std::shared_ptr<QIODevice>(content.release())] {
            Decoded result;
            if (const std::optional<wav::Sound> sound = wav::decodeDevice(*device, &result.error))
                result.wave = wav::encodePcm16(*sound);
            promise->addResult(std::move(result));
            promise->finish();
        });
}

void MultimediaDevice::onDecoded()
{
    QFutureWatcher<Decoded> *watcher = m_decoding;
    if (!watcher || sender() != watcher || !watcher->future().isValid())
        return;
    m_decoding = nullptr;
    watcher->disconnect(this);
    watcher->deleteLater();
    Decoded result = watcher->future().takeResult();
    if (!result.error.isEmpty())
        return settleLater(result.error);
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(std::move(result.wave));
    buffer->open(QIODevice::ReadOnly);
    startLoading(std::move(buffer));
}

// The player settles on its own time; its verdict, or the timer's, comes back by signal.
void MultimediaDevice::startLoading(std::unique_ptr<QIODevice> source)
{
    m_source = std::move(source);
    m_loadTimer->start();
    // GStreamer reads a plain file by itself more dependably than through a device, which
    // now and then stalls while it prerolls; a device is for content that is no file.
    if (const auto *file = qobject_cast<QFile *>(m_source.get()))
        m_player->setSource(QUrl::fromLocalFile(QFileInfo(file->fileName()).absoluteFilePath()));
    else
        m_player->setSourceDevice(m_source.get(), QUrl(QFileInfo(m_fileName).fileName()));
}

// Reported from the event loop: the player may be calling in from its own setSource().
void MultimediaDevice::settleLater(const QString &failure)
{
    m_loadTimer->stop();
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation, failure] {
            if (generation == m_generation && isOpening())
                finishOpen(failure);
        },
        Qt::QueuedConnection);
}

void MultimediaDevice::finishOpen(const QString &failure)
{
    m_loadTimer->stop();
    QString problem = failure;
    // Qt plays the sound track alone, without complaint, when it cannot decode the picture.
    if (problem.isEmpty() && m_openKind == Kind::Video && !m_player->hasVideo())
        problem = QStringLiteral("No playable video in %1").arg(m_fileName);
    QJsonObject entry{{QStringLiteral("kind"), QStringLiteral("media")},
                      {QStringLiteral("control"), controlName()},
                      {QStringLiteral("action"),
                       problem.isEmpty() ? QStringLiteral("opened") : QStringLiteral("failed")},
                      {QStringLiteral("value"), m_fileName}};
    if (!problem.isEmpty()) {
        entry.insert(QStringLiteral("error"), problem);
        trace::write(entry);
        closeMedia();
        replacePlayer();
        emit openFailed(problem);
        return;
    }
    trace::write(entry);
    m_state = State::Open;
    const bool play = m_playWhenOpen;
    m_playWhenOpen = false;
    emit opened();
    if (play && isOpen())
        m_player->play();
}

void MultimediaDevice::playMedia()
{
    if (isOpening())
        m_playWhenOpen = true;
    else if (isOpen())
        m_player->play();
}

void MultimediaDevice::pauseMedia()
{
    m_playWhenOpen = false;
    if (isPlaying())
        m_player->pause();
}

void MultimediaDevice::rewindMedia()
{
    if (isOpen())
        m_player->setPosition(0);
}

void MultimediaDevice::closeMedia()
{
    const bool wasPlaying = isPlaying();
    ++m_generation;
    m_state = State::Closed;
    m_openKind = Kind::None;
    m_playWhenOpen = false;
    m_loadTimer->stop();
    if (m_decoding) {
        // The worker finishes on its own; its result goes nowhere.
        m_decoding->disconnect(this);
        m_decoding->deleteLater();
        m_decoding = nullptr;
    }
    detachVideo();
    m_player->stop();
    m_player->setSource(QUrl());
    m_source.reset();
    if (wasPlaying)
        emit playingChanged(false);
}

void MultimediaDevice::attachVideo()
{
    if (!m_display || m_video)
        return;
    m_video = new QVideoWidget(m_display);
    m_video->setObjectName(QStringLiteral("%1Video").arg(objectName()));
    m_display->installEventFilter(this);
    fitVideoToDisplay();
    m_video->show();
    m_player->setVideoOutput(m_video);
}

void MultimediaDevice::detachVideo()
{
    m_player->setVideoOutput(nullptr);
    if (m_display)
        m_display->removeEventFilter(this);
    delete m_video;
}

void MultimediaDevice::fitVideoToDisplay()
{
    if (m_video && m_display)
        m_video->setGeometry(m_display->rect());
}

bool MultimediaDevice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_display && event->type() == QEvent::Resize)
        fitVideoToDisplay();
    return QWidget::eventFilter(watched, event);
}

void MultimediaDevice::onMediaStatus(QMediaPlayer::MediaStatus status)
{
    if (isOpening() && m_source) {
        if (status == QMediaPlayer::LoadedMedia)
            settleLater(QString());
        else if (status == QMediaPlayer::InvalidMedia)
            settleLater(QStringLiteral("Cannot play %1").arg(m_fileName));
    } else if (status == QMediaPlayer::EndOfMedia && isOpen()) {
        emit playbackEnded();
    }
}

void MultimediaDevice::onPlayerError(QMediaPlayer::Error error, const QString &message)
{
    if (error == QMediaPlayer::NoError)
        return;
    if (isOpening() && m_source)
        settleLater(message.isEmpty() ? QStringLiteral("Cannot play %1").arg(m_fileName) : message);
    else if (isOpen())
        emit errorOccurred(message);
}

} // namespace gallerion
