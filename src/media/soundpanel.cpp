#include "media/soundpanel.h"

#include "catalogue/contentpaths.h"
#include "media/soundmodel.h"
#include "media/speakerpicture.h"
#include "platform/filesystem.h"
#include "platform/media/multimediadevice.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "startup/errorreporter.h"
#include "startup/mainwindowhost.h"
#include "startup/programstate.h"
#include "widgets/designstage.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace gallerion {

namespace {

// The design, in twips: three columns of ten effects under the heading.
constexpr int PanelWidth = 8400;
constexpr int PanelHeight = 5100;
constexpr int Rows = 10;
constexpr int GridLeft = 180;
constexpr int GridTop = 720;
constexpr int ColumnWidth = 2700;
constexpr int RowHeight = 375;
constexpr int PlaySize = 330;
constexpr int CaptionGap = 90;
constexpr int ButtonTop = 4560;
constexpr int ButtonWidth = 1500;
constexpr int ButtonHeight = 420;

QPushButton *namedButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// The panel's place on the stage: its top at the photo's top, centred across the
// photo, moved in where it would stand out of the stage.
QPoint placeOver(const QRect &photo, const QSize &panel, const QSize &stage)
{
    const int left = photo.center().x() + 1 - panel.width() / 2;
    const int top = photo.top();
    return {qBound(0, left, qMax(0, stage.width() - panel.width())),
            qBound(0, top, qMax(0, stage.height() - panel.height()))};
}

} // namespace

SoundPanel::SoundPanel(MainWindowHost &host, ProgramState &state, Platform &platform,
                       SoundModel &sounds)
    : QFrame(host.stage()), m_host(host), m_state(state), m_platform(platform), m_sounds(sounds)
{
    setObjectName(QStringLiteral("pnlSound"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    build();
    describeForScreenReaders();
    hide();
    MultimediaDevice &device = m_host.multimediaDevice();
    connect(&device, &MultimediaDevice::opened, this, [this] { m_awaitingSound = false; });
    connect(&device, &MultimediaDevice::openFailed, this, [this] {
        if (m_awaitingSound)
            soundFailed();
    });
}

void SoundPanel::build()
{
    DesignStage *stage = m_host.stage();
    stage->place(this, twipsRect(0, 0, PanelWidth, PanelHeight));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture5"));
    picture->setPixmap(speakerPicture());
    picture->setScaledContents(true);
    stage->place(picture, twipsRect(180, 90, 540, 540));

    auto *heading = new QLabel(QStringLiteral("Automobile Sound Effects"), this);
    heading->setObjectName(QStringLiteral("Label10"));
    heading->setAlignment(Qt::AlignCenter);
    QFont font = heading->font();
    font.setPixelSize(18);
    font.setBold(true);
    stage->setDesignFont(heading, font);
    stage->place(heading, twipsRect(900, 150, PanelWidth - 1800, 420));

    buildEffects();

    m_stop = namedButton(this, QStringLiteral("SSCommand3"), QStringLiteral("Stop"));
    stage->place(m_stop, twipsRect(PanelWidth / 2 - ButtonWidth - 150, ButtonTop, ButtonWidth,
                                   ButtonHeight));
    connect(m_stop, &QPushButton::clicked, this, &SoundPanel::stopSound);
    m_close = namedButton(this, QStringLiteral("SSCommand1"), QStringLiteral("Close"));
    stage->place(m_close, twipsRect(PanelWidth / 2 + 150, ButtonTop, ButtonWidth, ButtonHeight));
    connect(m_close, &QPushButton::clicked, this, &SoundPanel::closePanel);
}

void SoundPanel::buildEffects()
{
    DesignStage *stage = m_host.stage();
    const QIcon play = speakerIcon();
    for (int i = 0; i < SoundEffectCount; ++i) {
        const int left = GridLeft + (i / Rows) * ColumnWidth;
        const int top = GridTop + (i % Rows) * RowHeight;
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SSCommand2(%1)").arg(i));
        button->setIcon(play);
        stage->place(button, twipsRect(left, top, PlaySize, PlaySize));
        connect(button, &QToolButton::clicked, this, [this, i] { playEffect(i); });
        m_play[i] = button;

        auto *caption = new QLabel(soundEffects()[i].caption, this);
        caption->setObjectName(QStringLiteral("lblSound(%1)").arg(i));
        caption->setBuddy(button);
        stage->place(caption, twipsRect(left + PlaySize + CaptionGap, top,
                                        ColumnWidth - PlaySize - 2 * CaptionGap, PlaySize));
    }
}

// The play buttons show only a speaker; a screen reader says which sound each plays.
void SoundPanel::describeForScreenReaders()
{
    setAccessibleName(findChild<QLabel *>(QStringLiteral("Label10"))->text());
    findChild<QLabel *>(QStringLiteral("Picture5"))->setAccessibleName(QStringLiteral("Speaker"));
    for (int i = 0; i < SoundEffectCount; ++i) {
        m_play[i]->setAccessibleName(QStringLiteral("Play ") + soundEffects()[i].caption);
        m_play[i]->setToolTip(m_play[i]->accessibleName());
    }
    m_stop->setAccessibleDescription(QStringLiteral("Stops the sound that plays"));
}

void SoundPanel::showPanel()
{
    DesignStage *stage = m_host.stage();
    stage->moveTo(this, placeOver(m_host.photoBox(), stage->designGeometry(this).size(),
                                  stage->designSize()));
    raise();
    show();
    m_close->setFocus(Qt::OtherFocusReason);
}

void SoundPanel::playEffect(int index)
{
    m_sounds.handOver(
        contentPath(m_state.DiscRoot, ContentDir::Wav, QString(soundEffects()[index].file)));
    const QString path = m_sounds.soundFilePath();
    if (!m_platform.files().exists(path) || !startSound(path))
        soundFailed();
}

// Closing first cuts off a sound still playing; "play" is kept until the sound is open.
bool SoundPanel::startSound(const QString &path)
{
    MultimediaDevice &device = m_host.multimediaDevice();
    device.command(QStringLiteral("close"));
    device.setDeviceType(QStringLiteral("WaveAudio"));
    device.setFileName(m_platform.files().displayPath(path));
    std::unique_ptr<QIODevice> content = m_platform.files().open(path);
    if (!content)
        return false;
    device.setContent(std::move(content));
    m_awaitingSound = device.command(QStringLiteral("open"));
    return m_awaitingSound && device.command(QStringLiteral("play"));
}

void SoundPanel::soundFailed()
{
    m_awaitingSound = false;
    ReportError(m_state, m_platform, QStringLiteral("ER038"));
}

// The "play" after "close" finds nothing open and has no effect.
void SoundPanel::stopSound()
{
    MultimediaDevice &device = m_host.multimediaDevice();
    m_awaitingSound = false;
    device.command(QStringLiteral("close"));
    device.command(QStringLiteral("play"));
}

void SoundPanel::closePanel()
{
    m_host.setMainWindowEnabled(true);
    hide();
}

} // namespace gallerion
