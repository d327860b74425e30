#pragma once

#include "platform/media/multimediadevice.h"
#include "slideshow/slidesteps.h"

#include <QObject>

namespace gallerion {

class MainWindowHost;
class Platform;
class PhotoLoader;
class ProgramState;
class ScreenSaverInhibitor;
class SlideShowWindow;

// The show in one slide-show window: which slide is on view, stepping and
// playing through the whole photo list, and handing a slide back to the main
// window. Lives as long as its window.
class SlideShow : public QObject
{
    Q_OBJECT
    // CurrentPhotoIndex of the show: the slide on view while paused, the next
    // one while playing.
    Q_PROPERTY(int CurrentPhotoIndex READ currentIndex)
public:
    SlideShow(SlideShowWindow &window, MainWindowHost &host, ProgramState &state,
              Platform &platform);

    int currentIndex() const { return m_index; }
    bool isPlaying() const { return m_playing; }

    // Paused, one second's delay, the timer stopped.
    void prime();
    // Puts photo `index` of the list on view, or nothing for 0. False when the
    // photo cannot be loaded; the show then opens without a picture.
    bool start(int index);

    void step(SlideStep step);
    void beginning();
    void middle();
    void play();
    void pause();
    void tick();
    void spin(bool up);
    void handBack();

private:
    void connectWindow();
    void transportClicked(MultimediaDevice::Button button);
    bool loadSlide(int index);
    void setYearCaption(int index);
    void showNumber(int index);
    void report(const QString &code);
    void keepFocus();
    void schedulePreload();
    void preloadNext();
    void setPlayingButtons(bool playing);
    void imagePressed(Qt::MouseButton button);
    bool confirmClose();
    QString photoPath(int index) const;

    SlideShowWindow &m_window;
    MainWindowHost &m_host;
    ProgramState &m_state;
    Platform &m_platform;
    PhotoLoader &m_loader;
    ScreenSaverInhibitor *m_inhibitor;
    int m_index = 0;
    int m_onView = 0;
    bool m_playing = false;
    bool m_preloadPending = false;
};

} // namespace gallerion
