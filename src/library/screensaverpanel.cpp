#include "library/screensaverpanel.h"

#include "widgets/designstage.h"
#include "widgets/spinbutton.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace gallerion {

namespace {
constexpr int PanelWidth = 5400;
constexpr int PanelHeight = 2460;
constexpr int PanelDrop = 75;
constexpr int ButtonTop = 1860;
constexpr int ButtonWidth = 1620;
constexpr int ButtonHeight = 420;
} // namespace

ScreenSaverPanel::ScreenSaverPanel(DesignStage *stage) : QFrame(stage), m_stage(stage)
{
    setObjectName(QStringLiteral("pnlSSaver"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    auto *heading = new QLabel(QStringLiteral("Install Screen Saver"), this);
    heading->setObjectName(QStringLiteral("lblSSaver"));
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    stage->setDesignFont(heading, bold);
    stage->place(heading, twipsRect(180, 150, PanelWidth - 360, 330));

    auto *photos = new QLabel(QStringLiteral("Photos to show:"), this);
    photos->setObjectName(QStringLiteral("lblPhotos"));
    stage->place(photos, twipsRect(360, 630, 2400, 300));
    m_options[0] = new QRadioButton(QStringLiteral("All Photos"), this);
    m_options[0]->setObjectName(QStringLiteral("Option1(0)"));
    m_options[0]->setChecked(true);
    stage->place(m_options[0], twipsRect(600, 960, 2400, 330));
    m_options[1] = new QRadioButton(QStringLiteral("Selected Photos"), this);
    m_options[1]->setObjectName(QStringLiteral("Option1(1)"));
    stage->place(m_options[1], twipsRect(600, 1320, 2400, 330));

    auto *delay = new QLabel(QStringLiteral("Delay between photos:"), this);
    delay->setObjectName(QStringLiteral("lblInterval"));
    stage->place(delay, twipsRect(3000, 630, 2200, 300));
    panInterval = new QLabel(QStringLiteral("1 Second"), this);
    panInterval->setObjectName(QStringLiteral("panInterval"));
    panInterval->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panInterval->setAlignment(Qt::AlignCenter);
    stage->place(panInterval, twipsRect(3240, 1080, 1320, 420));
    SpinInterval = new SpinButton(this);
    SpinInterval->setObjectName(QStringLiteral("SpinInterval"));
    SpinInterval->setToolTip(QStringLiteral("Set Slide Show Delay"));
    stage->place(SpinInterval, twipsRect(4620, 960, 360, 660));

    SSCommand4 = button("SSCommand4", QStringLiteral("Install"),
                        twipsRect(180, ButtonTop, ButtonWidth, ButtonHeight));
    SSCommand5 = button("SSCommand5", QStringLiteral("Help"),
                        twipsRect(1890, ButtonTop, ButtonWidth, ButtonHeight));
    SSCommand6 = button("SSCommand6", QStringLiteral("Cancel"),
                        twipsRect(3600, ButtonTop, ButtonWidth, ButtonHeight));
    hide();
}

QPushButton *ScreenSaverPanel::button(const char *name, const QString &caption, const QRect &design)
{
    return m_stage->addButton(this, QLatin1String(name), caption, design);
}

void ScreenSaverPanel::placeOver(const QRect &photoBox)
{
    m_stage->placeCentredOver(this, photoBox, twipsRect(0, 0, PanelWidth, PanelHeight).size(),
                              twipsToPixels(PanelDrop));
}

} // namespace gallerion
