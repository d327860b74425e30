#pragma once

#include "media/soundtable.h"

#include <QFrame>

#include <array>

class QLabel;
class QPushButton;
class QToolButton;

namespace gallerion {

class MainWindowHost;
class Platform;
class ProgramState;
class SoundModel;

// pnlSound over the main window's photo: a play button SSCommand2(i) beside the
// caption lblSound(i) of every effect, Stop and Close. The sounds play through the
// main window's MMControl1, one at a time, and go on while the user goes on.
class SoundPanel : public QFrame
{
    Q_OBJECT
public:
    SoundPanel(MainWindowHost &host, ProgramState &state, Platform &platform, SoundModel &sounds);

    // mnuSound: at the photo's top, centred across it, fully on the window, Close focused.
    void showPanel();
    // SSCommand2(index): a missing file or a device failure, now or once the device has
    // tried, reports ER038.
    void playEffect(int index);
    // SSCommand3.
    void stopSound();
    // SSCommand1: the panel goes; a playing sound goes on.
    void closePanel();

private:
    void build();
    void buildEffects();
    void describeForScreenReaders();
    bool startSound(const QString &path);
    void soundFailed();

    MainWindowHost &m_host;
    ProgramState &m_state;
    Platform &m_platform;
    SoundModel &m_sounds;
    // The device's outcome concerns this panel only for the sound it started.
    bool m_awaitingSound = false;
    std::array<QToolButton *, SoundEffectCount> m_play{};
    QPushButton *m_stop = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace gallerion
