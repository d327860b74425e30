#include "startup/splashwindow.h"

#include "platform/filesystem.h"
#include "platform/firstpaint.h"
#include "platform/media/multimediadevice.h"
#include "platform/messagebox.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "platform/singleinstance.h"
#include "startup/applicationtitle.h"
#include "startup/contentlists.h"
#include "startup/contentsearch.h"
#include "startup/errorreporter.h"
#include "startup/programstate.h"
#include "startup/splashpicture.h"
#include "widgets/designstage.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace gallerion {

namespace {
const QSize PictureSize(480, 300);
constexpr int PanelHeight = 24;
constexpr int HandOverDelayMs = 5000;
constexpr int FirstPaintWaitMs = 300;
// The main window is designed for a screen of this size.
const QSize DesignedScreen(800, 600);
} // namespace

SplashWindow::SplashWindow(ProgramState &state, Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint), m_state(state),
      m_platform(platform)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("The Zarvick Gallerion 2001"));
    buildControls();
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::onTimer);
}

// Drawn at the scale the designed screen takes on this one, before the main
// window sets the program's scale.
void SplashWindow::buildControls()
{
    const Screen &screen = m_platform.screen();
    const double scale = screen.scalingEnabled() ? fitScale(DesignedScreen, screen.pixels()) : 1.0;
    auto *stage =
        new DesignStage(QSize(PictureSize.width(), PictureSize.height() + PanelHeight), this);
    stage->setAccessibleName(QStringLiteral("Start-up"));
    m_picture = new QLabel(stage);
    m_picture->setObjectName(QStringLiteral("Picture3"));
    m_picture->setScaledContents(true);
    m_picture->setAccessibleName(QStringLiteral("The Zarvick Gallerion 2001"));
    stage->place(m_picture, QRect(QPoint(0, 0), PictureSize));
    m_panel = new QLabel(QStringLiteral("Loading the Zarvick Gallerion ..."), stage);
    m_panel->setObjectName(QStringLiteral("SSPanel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setAlignment(Qt::AlignCenter);
    stage->place(m_panel, QRect(0, PictureSize.height(), PictureSize.width(), PanelHeight));
    stage->setScale(scale);
    // The artwork is drawn, so it is as sharp at any scale as at the designed one.
    const qreal pixelRatio = devicePixelRatioF();
    QPixmap picture = drawSplashPicture((QSizeF(m_picture->size()) * pixelRatio).toSize());
    picture.setDevicePixelRatio(pixelRatio);
    m_picture->setPixmap(picture);
    m_device = new MultimediaDevice(this);
    m_device->setObjectName(QStringLiteral("MMControl1"));
    m_device->hide();
    setFixedSize(stage->size());
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        move(primary->geometry().center() - rect().center());
}

void SplashWindow::load(const QString &commandText)
{
    m_commandText = commandText;
    // The start-up work runs once the window is on the screen, which it would otherwise keep
    // black; a window that is never drawn (minimised at once) must not hold up the start.
    connect(FirstPaintWatch::watch(this), &FirstPaintWatch::painted, this,
            [this] { QTimer::singleShot(0, this, &SplashWindow::startUp); });
    show();
    QTimer::singleShot(FirstPaintWaitMs, this, &SplashWindow::startUp);
}

void SplashWindow::startUp()
{
    if (m_started || m_state.isEnding())
        return;
    m_started = true;
    if (!refuseSecondInstance())
        return;
    m_platform.screen().setBusy(true);
    if (m_commandText == QLatin1String("HWI")) {
        m_state.LocalContentMode = true;
        m_state.PhotoRoot = m_state.ProgramDir;
        m_state.DiscRoot = m_state.ProgramDir;
    } else if (!locateContent()) {
        return;
    }
    playStartupSound();
    m_timer->start(HandOverDelayMs);
    m_state.FirstClickPending = true;
    buildPhotoList();
    if (m_prepare)
        QTimer::singleShot(0, this, [this] {
            if (!m_state.isEnding())
                m_prepare();
        });
}

bool SplashWindow::refuseSecondInstance()
{
    if (m_platform.singleInstance().acquire())
        return true;
    MessageRequest request;
    request.text = QStringLiteral("The Zarvick Gallerion is already running!");
    request.title = applicationTitle();
    request.icon = MessageIcon::Critical;
    request.modality = MessageModality::System;
    m_platform.messages().ask(request);
    m_state.requestEnd();
    return false;
}

// Searches until the disc is found or the user gives up.
bool SplashWindow::locateContent()
{
    for (;;) {
        m_state.ErrorCode = QStringLiteral("ER001");
        const ContentRoots roots = searchContent(m_platform.files(), m_state.ProgramDir);
        if (roots.found()) {
            m_state.DiscRoot = roots.discRoot;
            m_state.PhotoRoot = roots.photoRoot;
            show();
            return true;
        }
        m_timer->stop();
        close();
        // The box cannot say where to put a disc on this system; a terminal can.
        std::fputs(qPrintable(missingDiscHint(m_platform.files())), stderr);
        ReportError(m_state, m_platform);
        if (m_state.isEnding())
            return false;
    }
}

void SplashWindow::playStartupSound()
{
    m_state.SoundFilePath = m_state.ProgramDir + QStringLiteral("\\passby.wav");
    if (!m_platform.files().exists(m_state.SoundFilePath)) {
        m_state.ErrorCode = QStringLiteral("ER055");
        return;
    }
    // The sound plays on while start-up goes on; a sound that fails is no reason to stop.
    m_device->command(QStringLiteral("close"));
    m_device->setDeviceType(QStringLiteral("WaveAudio"));
    m_device->setFileName(m_platform.files().nativePath(m_state.SoundFilePath));
    if (m_device->command(QStringLiteral("open")))
        m_device->command(QStringLiteral("play"));
}

void SplashWindow::buildPhotoList()
{
    loadPhotoList(m_state, m_platform);
}

void SplashWindow::onTimer()
{
    if (m_handOver)
        m_handOver();
}

} // namespace gallerion
