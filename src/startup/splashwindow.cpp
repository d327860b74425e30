#include "startup/splashwindow.h"

#include "platform/media/multimediadevice.h"
#include "platform/platform.h"
#include "startup/contentlists.h"
#include "startup/contentsearch.h"
#include "startup/errorreporter.h"
#include "startup/programstate.h"
#include "startup/splashpicture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace gallerion {

namespace {
const QSize PictureSize(480, 300);
constexpr int HandOverDelayMs = 5000;
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

void SplashWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture3"));
    m_picture->setPixmap(drawSplashPicture(PictureSize));
    layout->addWidget(m_picture);
    m_panel = new QLabel(QStringLiteral("Loading the Zarvick Gallerion ..."), this);
    m_panel->setObjectName(QStringLiteral("SSPanel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_panel);
    m_device = new MultimediaDevice(this);
    m_device->setObjectName(QStringLiteral("MMControl1"));
    m_device->hide();
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::load(const QString &commandText)
{
    show();
    if (!refuseSecondInstance())
        return;
    m_platform.screen().setBusy(true);
    if (commandText == QLatin1String("HWI")) {
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
}

bool SplashWindow::refuseSecondInstance()
{
    if (m_platform.singleInstance().acquire())
        return true;
    MessageRequest request;
    request.text = QStringLiteral("The Zarvick Gallerion is already running!");
    request.title = QStringLiteral("The Zarvick Gallerion 2001");
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
