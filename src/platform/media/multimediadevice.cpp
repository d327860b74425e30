#include "platform/media/multimediadevice.h"

#include "platform/media/wavdecoder.h"
#include "platform/trace.h"

#include <QAudioOutput>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QTimer>
#include <QVideoWidget>

namespace gallerion {

namespace {

// Long enough for a slow machine to preroll a movie, short enough that a broken
// file never freezes the window that opens it.
constexpr int LoadTimeoutMs = 5000;

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

MultimediaDevice::MultimediaDevice(QWidget *parent) : QWidget(parent)
{
    createPlayer();
    createButtons();
}

MultimediaDevice::~MultimediaDevice()
{
    // Stop the pipeline before the video widget in someone else's window goes away.
    m_player->disconnect(this);
    m_player->stop();
    detachVideo();
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
        if (m_open && m_openKind == Kind::Video)
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
    return m_open && m_player->playbackState() == QMediaPlayer::PlayingState;
}

qint64 MultimediaDevice::position() const
{
    return m_open ? m_player->position() : 0;
}

qint64 MultimediaDevice::duration() const
{
    return m_open ? m_player->duration() : 0;
}

void MultimediaDevice::seek(qint64 milliseconds)
{
    if (m_open)
        m_player->setPosition(qBound<qint64>(0, milliseconds, m_player->duration()));
}

bool MultimediaDevice::hasVideo() const
{
    return m_open && m_player->hasVideo();
}

bool MultimediaDevice::hasAudio() const
{
    return m_open && m_player->hasAudio();
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
    if (!QFileInfo(m_fileName).isFile())
        return fail(error, QStringLiteral("File not found: %1").arg(m_fileName));
    QUrl source;
    if (!prepareSource(&source, error))
        return false;
    m_openKind = kind();
    if (m_openKind == Kind::Video)
        attachVideo();
    if (!load(source, error)) {
        closeMedia();
        replacePlayer();
        return false;
    }
    // Qt plays the sound track alone, without complaint, when it cannot decode the picture.
    if (m_openKind == Kind::Video && !m_player->hasVideo()) {
        closeMedia();
        return fail(error, QStringLiteral("No playable video in %1").arg(m_fileName));
    }
    m_open = true;
    return true;
}

void MultimediaDevice::createPlayer()
{
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(new QAudioOutput(m_player));
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &MultimediaDevice::onMediaStatus);
    connect(m_player, &QMediaPlayer::errorOccurred, this, &MultimediaDevice::onPlayerError);
    connect(m_player, &QMediaPlayer::positionChanged, this, [this](qint64 position) {
        if (m_open)
            emit positionChanged(position);
    });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
        if (m_open)
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
// plugins for ADPCM.
bool MultimediaDevice::prepareSource(QUrl *source, QString *error)
{
    if (kind() != Kind::Wave) {
        *source = QUrl::fromLocalFile(QFileInfo(m_fileName).absoluteFilePath());
        return true;
    }
    const std::optional<wav::Sound> sound = wav::decodeFile(m_fileName, error);
    if (!sound)
        return false;
    m_decodedSound =
        new QTemporaryFile(QDir::tempPath() + QStringLiteral("/gallerion-XXXXXX.wav"), this);
    if (!m_decodedSound->open() || m_decodedSound->write(wav::encodePcm16(*sound)) < 0 ||
        !m_decodedSound->flush())
        return fail(error, QStringLiteral("Cannot write the decoded sound: %1")
                               .arg(m_decodedSound->errorString()));
    *source = QUrl::fromLocalFile(m_decodedSound->fileName());
    return true;
}

// Sets the source and waits, processing events, until the player has loaded it or given up.
bool MultimediaDevice::load(const QUrl &source, QString *error)
{
    // The player keeps its last error, so only errors raised from here on count.
    QEventLoop loop;
    QString failure;
    connect(m_player, &QMediaPlayer::errorOccurred, &loop,
            [&](QMediaPlayer::Error, const QString &message) {
                failure =
                    message.isEmpty() ? QStringLiteral("Cannot play %1").arg(m_fileName) : message;
                loop.quit();
            });
    auto settled = [this] {
        const auto status = m_player->mediaStatus();
        return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::InvalidMedia;
    };
    // NoMedia: a timer's handler closed the device meanwhile.
    connect(m_player, &QMediaPlayer::mediaStatusChanged, &loop,
            [&](QMediaPlayer::MediaStatus status) {
                if (settled() || status == QMediaPlayer::NoMedia)
                    loop.quit();
            });
    m_player->setSource(source);
    if (failure.isEmpty() && !settled()) {
        QTimer::singleShot(LoadTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!failure.isEmpty())
        return fail(error, failure);
    if (m_player->mediaStatus() != QMediaPlayer::LoadedMedia)
        return fail(error, QStringLiteral("Cannot play %1").arg(m_fileName));
    return true;
}

void MultimediaDevice::playMedia()
{
    if (m_open)
        m_player->play();
}

void MultimediaDevice::pauseMedia()
{
    if (m_open && isPlaying())
        m_player->pause();
}

void MultimediaDevice::rewindMedia()
{
    if (m_open)
        m_player->setPosition(0);
}

void MultimediaDevice::closeMedia()
{
    const bool wasPlaying = isPlaying();
    m_open = false;
    m_openKind = Kind::None;
    detachVideo();
    m_player->stop();
    m_player->setSource(QUrl());
    delete m_decodedSound;
    m_decodedSound = nullptr;
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
    if (status == QMediaPlayer::EndOfMedia && m_open)
        emit playbackEnded();
}

void MultimediaDevice::onPlayerError(QMediaPlayer::Error error, const QString &message)
{
    if (error != QMediaPlayer::NoError && m_open)
        emit errorOccurred(message);
}

} // namespace gallerion
