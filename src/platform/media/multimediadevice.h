#pragma once

#include <QJsonValue>
#include <QMediaPlayer>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QIODevice;
class QTimer;
class QToolButton;
class QVideoWidget;
template <typename T> class QFutureWatcher;

namespace gallerion {

// The multimedia control that windows embed (MMControl1, mmSlide): plays a wave sound or
// a movie on text commands, and shows a row of transport buttons whose clicks the window
// handles itself. The row's visibility, position and size are those of this widget.
// "open" only starts opening: the medium is decoded and prerolled while the window goes
// on, and opened() or openFailed() tells how it ended. A "play" given meanwhile starts
// the medium once it is open; "close" abandons an open under way without a signal.
class MultimediaDevice : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString deviceType READ deviceType WRITE setDeviceType)
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    Q_PROPERTY(QWidget *displayWindow READ displayWindow WRITE setDisplayWindow)
    Q_PROPERTY(bool open READ isOpen)
    Q_PROPERTY(bool playing READ isPlaying NOTIFY playingChanged)
    Q_PROPERTY(qint64 position READ position)

public:
    enum class Button
    {
        Prev,
        Next,
        Play,
        Pause,
        Back,
        Step,
        Stop,
        Record,
        Eject
    };
    Q_ENUM(Button)
    static constexpr int ButtonCount = 9;

    explicit MultimediaDevice(QWidget *parent = nullptr);
    ~MultimediaDevice() override;

    // "WaveAudio" or "AVIVideo", compared without regard to case.
    QString deviceType() const { return m_deviceType; }
    void setDeviceType(const QString &type);
    // The medium's name as the user knows it. Without content of its own (below), "open"
    // reads the native file of this name.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path);
    // What the next "open" reads instead of the named file: a random-access device open
    // for reading, such as the content seam hands out. Taken by that "open".
    void setContent(std::unique_ptr<QIODevice> content);
    // The widget that the movie picture fills. Not owned.
    QWidget *displayWindow() const { return m_display; }
    void setDisplayWindow(QWidget *window);

    // "open", "play", "stop", "prev" or "close", in any letter case. Only "open" (for what
    // it can tell at once: no such file, an unknown device type, a sound too large) and
    // an unknown command fail; "play", "stop" and "prev" on a closed device do nothing.
    bool command(const QString &command, QString *error = nullptr);

    bool isOpen() const { return m_state == State::Open; }
    bool isOpening() const { return m_state == State::Opening; }
    bool isPlaying() const;
    qint64 position() const;
    qint64 duration() const;
    // Moves an open medium to this many milliseconds from its start; playback goes on.
    void seek(qint64 milliseconds);
    bool hasVideo() const;
    bool hasAudio() const;

    void setButtonEnabled(Button button, bool enabled);
    bool isButtonEnabled(Button button) const;
    void setButtonVisible(Button button, bool visible);
    bool isButtonVisible(Button button) const;
    QToolButton *button(Button button) const;
    static QString buttonName(Button button);

signals:
    void buttonClicked(gallerion::MultimediaDevice::Button button);
    void playingChanged(bool playing);
    // Milliseconds of the open medium, while it plays or after a seek.
    void positionChanged(qint64 position);
    void durationChanged(qint64 duration);
    // The medium played to its end.
    void playbackEnded();
    void errorOccurred(const QString &message);
    // The outcome of an "open", never emitted from within command().
    void opened();
    void openFailed(const QString &message);

private:
    enum class Kind
    {
        None,
        Wave,
        Video
    };
    enum class State
    {
        Closed,
        Opening,
        Open
    };
    // A wave sound decoded on a worker thread: a clean PCM file, or why not.
    struct Decoded
    {
        QByteArray wave;
        QString error;
    };

    Kind kind() const;
    QString controlName() const;
    void traceAction(const QString &action, const QJsonValue &value) const;

    bool openMedia(QString *error);
    std::unique_ptr<QIODevice> takeContent(QString *error);
    void playMedia();
    void pauseMedia();
    void rewindMedia();
    void closeMedia();

    void createPlayer();
    void replacePlayer();
    void startDecoding(std::unique_ptr<QIODevice> content);
    void onDecoded();
    void startLoading(std::unique_ptr<QIODevice> source);
    void settleLater(const QString &failure);
    void finishOpen(const QString &failure);
    void attachVideo();
    void detachVideo();
    void fitVideoToDisplay();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void onMediaStatus(QMediaPlayer::MediaStatus status);
    void onPlayerError(QMediaPlayer::Error error, const QString &message);

    void createButtons();

    QMediaPlayer *m_player = nullptr;
    QTimer *m_loadTimer = nullptr;
    QFutureWatcher<Decoded> *m_decoding = nullptr;
    // What the player reads; outlives every use by the player.
    std::unique_ptr<QIODevice> m_source;
    std::unique_ptr<QIODevice> m_content;
    QPointer<QWidget> m_display;
    QPointer<QVideoWidget> m_video;
    QString m_deviceType;
    QString m_fileName;
    Kind m_openKind = Kind::None;
    State m_state = State::Closed;
    bool m_playWhenOpen = false;
    // Counts opens and closes, so that an outcome queued for an abandoned open is dropped.
    quint64 m_generation = 0;
    std::array<QToolButton *, ButtonCount> m_buttons{};
};

} // namespace gallerion
