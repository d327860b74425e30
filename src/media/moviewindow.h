#pragma once

#include "media/filmtable.h"
#include "platform/media/multimediadevice.h"
#include "widgets/designeddialog.h"

#include <array>

class QButtonGroup;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace gallerion {

class FilmPositionBar;
class MainWindowHost;
class MovieModel;
class Platform;
class ProgramState;

// frmMovie: the six films, one at a time in PicMovie through the window's own
// MMControl1, with Play and Stop on its bar and the film's position on HScroll1.
// Films are read from MovieDir, and open while the window goes on. A window of its own, not a child
// of the main window, which is disabled while this one is open.
class MovieWindow : public DesignedDialog
{
    Q_OBJECT
public:
    // The result when the video software was installed and the window is to be
    // opened afresh.
    static constexpr int Reopen = 2;

    MovieWindow(MainWindowHost &host, ProgramState &state, Platform &platform,
                const MovieModel &movies);

    // The window's load step: centred, the main window disabled, film 0 loaded.
    void load();
    // optMovie(index) clicked. A film that is missing, or that the device cannot open,
    // reports ER045 (the latter once the device has tried).
    void loadFilm(int index);
    // True once Exit closed the window (the close box does not count).
    bool closedByExit() const { return m_closedByExit; }

public slots:
    // The device ends with the window: a playing film stops.
    void done(int result) override;

private:
    void build();
    void buildOptions();
    void buildDevice();
    void describeForScreenReaders();
    void connectControls();
    bool openFilm(const QString &path);
    void placeBar();
    void showLoadedFilm();
    void filmFailed();
    void setBusy(bool busy);
    void deviceButtonClicked(MultimediaDevice::Button button);
    void offerVideoSoftware();

    MainWindowHost &m_host;
    ProgramState &m_state;
    Platform &m_platform;
    const MovieModel &m_movies;
    QWidget *m_picture = nullptr;
    MultimediaDevice *m_device = nullptr;
    QScrollBar *m_scroll = nullptr;
    FilmPositionBar *m_position = nullptr;
    QButtonGroup *m_group = nullptr;
    std::array<QRadioButton *, FilmCount> m_options{};
    QPushButton *m_exit = nullptr;
    QPushButton *m_help = nullptr;
    // The film the device holds or is opening.
    int m_loaded = -1;
    bool m_closedByExit = false;
    bool m_busy = false;
};

} // namespace gallerion
