#include "media/moviewindow.h"

#include "media/aviprobe.h"
#include "media/codecoffer.h"
#include "media/filmpositionbar.h"
#include "media/moviemodel.h"
#include "platform/filesystem.h"
#include "platform/media/multimediadevice.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "startup/errorreporter.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "widgets/designstage.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace gallerion {

namespace {

// The design, in twips.
constexpr int ClientWidth = 6600;
constexpr int ClientHeight = 5910;
constexpr int PictureLeft = 300;
constexpr int PictureTop = 180;
constexpr int PictureWidth = 6000;
constexpr int PictureHeight = 3255;
constexpr int ScrollHeight = 255;
constexpr int BarWidth = 1200;
constexpr int BarHeight = 390;
constexpr int BarGap = 100;
constexpr int OptionTop = 4350;
constexpr int OptionRowHeight = 360;
constexpr int OptionColumns = 3;
constexpr int OptionLeft = 600;
constexpr int OptionColumnWidth = 2000;
constexpr int OptionWidth = 1800;
constexpr int OptionHeight = 300;
constexpr int ButtonTop = 5250;
constexpr int ButtonWidth = 1500;
constexpr int ButtonHeight = 420;

const QString DesignCaption = QStringLiteral("Zarvick Videos - Coming April 17, 1964");

QPushButton *namedButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

MovieWindow::MovieWindow(MainWindowHost &host, ProgramState &state, Platform &platform,
                         const MovieModel &movies)
    : DesignedDialog(QSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight)),
                     platform.screen().designScale(), nullptr),
      m_host(host), m_state(state), m_platform(platform), m_movies(movies)
{
    setObjectName(QStringLiteral("frmMovie"));
    setWindowTitle(DesignCaption);
    build();
    describeForScreenReaders();
    connectControls();
}

void MovieWindow::build()
{
    DesignStage *stage = this->stage();
    m_picture = new QWidget(stage);
    m_picture->setObjectName(QStringLiteral("PicMovie"));
    m_picture->setAutoFillBackground(true);
    QPalette black = m_picture->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_picture->setPalette(black);
    stage->place(m_picture, twipsRect(PictureLeft, PictureTop, PictureWidth, PictureHeight));

    m_scroll = new QScrollBar(Qt::Horizontal, stage);
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    stage->place(m_scroll, twipsRect(PictureLeft, PictureTop + PictureHeight + 15, PictureWidth,
                                     ScrollHeight));
    buildDevice();
    m_position = new FilmPositionBar(m_scroll, m_device);
    buildOptions();

    m_help = namedButton(stage, QStringLiteral("SSCommand2"), QStringLiteral("Help"));
    stage->place(m_help, twipsRect(ClientWidth / 2 - ButtonWidth - 300, ButtonTop, ButtonWidth,
                                   ButtonHeight));
    m_exit = namedButton(stage, QStringLiteral("SSCommand1"), QStringLiteral("Exit"));
    stage->place(m_exit, twipsRect(ClientWidth / 2 + 300, ButtonTop, ButtonWidth, ButtonHeight));
}

// Only Play and Stop mean something for a film here; the rest of the row stays hidden.
void MovieWindow::buildDevice()
{
    m_device = new MultimediaDevice(stage());
    m_device->setObjectName(QStringLiteral("MMControl1"));
    for (int i = 0; i < MultimediaDevice::ButtonCount; ++i) {
        const auto button = MultimediaDevice::Button(i);
        m_device->setButtonVisible(button, button == MultimediaDevice::Button::Play ||
                                               button == MultimediaDevice::Button::Stop);
    }
    stage()->resizeTo(m_device, twipsRect(0, 0, BarWidth, BarHeight).size());
    m_device->setDisplayWindow(m_picture);
}

void MovieWindow::buildOptions()
{
    m_group = new QButtonGroup(this);
    for (int i = 0; i < FilmCount; ++i) {
        auto *option = new QRadioButton(filmTable()[i].option, stage());
        option->setObjectName(QStringLiteral("optMovie(%1)").arg(i));
        stage()->place(option, twipsRect(OptionLeft + (i % OptionColumns) * OptionColumnWidth,
                                         OptionTop + (i / OptionColumns) * OptionRowHeight,
                                         OptionWidth, OptionHeight));
        m_group->addButton(option, i);
        m_options[i] = option;
    }
}

void MovieWindow::describeForScreenReaders()
{
    m_picture->setAccessibleName(QStringLiteral("Film"));
    m_scroll->setAccessibleName(QStringLiteral("Film position"));
    m_scroll->setAccessibleDescription(QStringLiteral("Moves the film to another moment"));
    m_device->setAccessibleName(QStringLiteral("Film controls"));
    for (int i = 0; i < FilmCount; ++i)
        m_options[i]->setAccessibleDescription(QStringLiteral("Loads the film ") +
                                               filmTable()[i].caption);
}

void MovieWindow::connectControls()
{
    connect(m_device, &MultimediaDevice::opened, this, [this] { setBusy(false); });
    connect(m_device, &MultimediaDevice::openFailed, this, &MovieWindow::filmFailed);
    connect(m_group, &QButtonGroup::idClicked, this, &MovieWindow::loadFilm);
    connect(m_device, &MultimediaDevice::buttonClicked, this, &MovieWindow::deviceButtonClicked);
    connect(m_exit, &QPushButton::clicked, this, [this] {
        m_closedByExit = true;
        accept();
    });
    connect(m_help, &QPushButton::clicked, this, &MovieWindow::offerVideoSoftware);
}

void MovieWindow::load()
{
    centreIn(m_platform.screen().pixels());
    m_host.setMainWindowEnabled(false);
    m_device->hide();
    m_picture->show();
    m_options[0]->click();
}

void MovieWindow::loadFilm(int index)
{
    const Film &film = filmTable()[index];
    const QString path = m_movies.movieDir() + film.file;
    setWindowTitle(film.caption);
    if (!m_platform.files().exists(path)) {
        showLoadedFilm();
        ReportError(m_state, m_platform, QStringLiteral("ER045"));
        return;
    }
    m_loaded = index;
    if (!openFilm(path))
        filmFailed();
}

// The device is closed and reopened for every film; a film is ready but waits for Play.
bool MovieWindow::openFilm(const QString &path)
{
    stage()->resizeTo(
        m_picture, QSize(stage()->designGeometry(m_picture).width(), twipsToPixels(PictureHeight)));
    placeBar();
    m_device->show();
    m_device->command(QStringLiteral("close"));
    m_position->reset();
    m_device->setDeviceType(QStringLiteral("AVIVideo"));
    m_device->setFileName(m_platform.files().displayPath(path));
    std::unique_ptr<QIODevice> content = m_platform.files().open(path);
    // A damaged film can get far enough for the player to call it loaded.
    if (!content || probeAvi(*content).verdict != AviProbe::Verdict::Intact || !content->seek(0))
        return false;
    m_device->setContent(std::move(content));
    setBusy(true);
    return m_device->command(QStringLiteral("open"));
}

// The device has closed itself: nothing is loaded now.
void MovieWindow::filmFailed()
{
    setBusy(false);
    m_loaded = -1;
    showLoadedFilm();
    ReportError(m_state, m_platform, QStringLiteral("ER045"));
}

void MovieWindow::setBusy(bool busy)
{
    if (busy != m_busy)
        m_platform.screen().setBusy(busy);
    m_busy = busy;
}

void MovieWindow::placeBar()
{
    const QSize bar = stage()->designGeometry(m_device).size();
    const int optionTop = stage()->designGeometry(m_options[0]).top();
    stage()->moveTo(m_device, QPoint((stage()->designSize().width() - bar.width()) / 2,
                                     optionTop - bar.height() - twipsToPixels(BarGap)));
}

// After a failed load the caption and the options name the film the device
// holds, and the bar shows only while one is open.
void MovieWindow::showLoadedFilm()
{
    setWindowTitle(m_loaded < 0 ? DesignCaption : QString(filmTable()[m_loaded].caption));
    m_group->setExclusive(false);
    for (int i = 0; i < FilmCount; ++i)
        m_options[i]->setChecked(i == m_loaded);
    m_group->setExclusive(true);
    m_device->setVisible(m_device->isOpen());
}

void MovieWindow::deviceButtonClicked(MultimediaDevice::Button button)
{
    if (button == MultimediaDevice::Button::Play) {
        m_device->command(QStringLiteral("play"));
    } else if (button == MultimediaDevice::Button::Stop) {
        m_device->command(QStringLiteral("stop"));
        m_device->command(QStringLiteral("prev"));
    }
}

void MovieWindow::offerVideoSoftware()
{
    if (gallerion::offerVideoSoftware(m_host, m_state, m_platform, this))
        done(Reopen);
}

void MovieWindow::done(int result)
{
    setBusy(false);
    m_device->command(QStringLiteral("close"));
    DesignedDialog::done(result);
}

} // namespace gallerion
