#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace gallerion {

class MultimediaDevice;
class Platform;
class ProgramState;

// Form2, the start-up window: refuses a second copy, finds the content disc,
// plays the start-up sound, builds the photo list and after five seconds hands
// over to the main window.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    SplashWindow(ProgramState &state, Platform &platform, QWidget *parent = nullptr);

    // Called once the photo list is built, while this window waits: the main window is made
    // then, so that the hand-over only has to show it.
    void setPreparation(std::function<void()> prepare) { m_prepare = std::move(prepare); }
    // Called when Timer1 fires; it loads the main window, which closes this one.
    void setHandOver(std::function<void()> handOver) { m_handOver = std::move(handOver); }

    // Shows this window and runs the start-up sequence once it is drawn; the program may
    // end during that sequence.
    void load(const QString &commandText);

private:
    void buildControls();
    void startUp();
    bool refuseSecondInstance();
    bool locateContent();
    void playStartupSound();
    void buildPhotoList();
    void onTimer();

    ProgramState &m_state;
    Platform &m_platform;
    std::function<void()> m_prepare;
    std::function<void()> m_handOver;
    QString m_commandText;
    bool m_started = false;
    QLabel *m_picture = nullptr;
    QLabel *m_panel = nullptr;
    MultimediaDevice *m_device = nullptr;
    QTimer *m_timer = nullptr;
};

} // namespace gallerion
