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

    // Called when Timer1 fires; it loads the main window, which closes this one.
    void setHandOver(std::function<void()> handOver) { m_handOver = std::move(handOver); }

    // The start-up sequence; the program may have ended when it returns.
    void load(const QString &commandText);

private:
    void buildControls();
    bool refuseSecondInstance();
    bool locateContent();
    void playStartupSound();
    void buildPhotoList();
    void onTimer();

    ProgramState &m_state;
    Platform &m_platform;
    std::function<void()> m_handOver;
    QLabel *m_picture = nullptr;
    QLabel *m_panel = nullptr;
    MultimediaDevice *m_device = nullptr;
    QTimer *m_timer = nullptr;
};

} // namespace gallerion
