#pragma once

#include <QJsonValue>
#include <QMediaPlayer>
#include <QPointer>
#include <QWidget>

#include <array>

class QTemporaryFile;
class QToolButton;
class QVideoWidget;

namespace gallerion {

// The multimedia control that windows embed (MMControl1, mmSlide): plays a wave sound or
// a movie on text commands, and shows a row of transport buttons whose clicks the window
// handles itself. The row's visibility, position and size are those of this widget.
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
    // A native path; the caller resolves the program's own path texts.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path);
    // The widget that the movie picture fills. Not owned.
    QWidget *displayWindow() const { return m_display; }
    void setDisplayWindow(QWidget *window);

    // "open", "play", "stop", "prev" or "close", in any letter case. Only "open" and an
    // unknown command fail; "play", "stop" and "prev" on a closed device do nothing.
    bool command(const QString &command, QString *error = nullptr);

    bool isOpen() const { return m_open; }
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

private:
    enum class Kind
    {
        None,
        Wave,
        Video
    };

    Kind kind() const;
    QString controlName() const;
    void traceAction(const QString &action, const QJsonValue &value) const;

    bool openMedia(QString *error);
    void playMedia();
    void pauseMedia();
    void rewindMedia();
    void closeMedia();

    void createPlayer();
    void replacePlayer();
    bool prepareSource(QUrl *source, QString *error);
    bool load(const QUrl &source, QString *error);
    void attachVideo();
    void detachVideo();
    void fitVideoToDisplay();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void onMediaStatus(QMediaPlayer::MediaStatus status);
    void onPlayerError(QMediaPlayer::Error error, const QString &message);

    void createButtons();

    QMediaPlayer *m_player = nullptr;
    QTemporaryFile *m_decodedSound = nullptr;
    QPointer<QWidget> m_display;
    QPointer<QVideoWidget> m_video;
    QString m_deviceType;
    QString m_fileName;
    Kind m_openKind = Kind::None;
    bool m_open = false;
    std::array<QToolButton *, ButtonCount> m_buttons{};
};

} // namespace gallerion
