#include "library/progresspanel.h"

#include "widgets/gauge.h"
#include "widgets/designstage.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace gallerion {

namespace {
constexpr int PanelWidth = 7215;
constexpr int PanelHeight = 4935;
// Below the photo's top edge, where the panel buttons' row would start.
constexpr int PanelDrop = 180;

// The main window is disabled while the copy runs; what the panel shows must
// still read as live, so only its buttons look disabled.
void keepColoursWhenDisabled(QWidget *display)
{
    QPalette palette = display->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Disabled, colorRole, palette.color(QPalette::Active, colorRole));
    }
    display->setPalette(palette);
}
} // namespace

ProgressPanel::ProgressPanel(DesignStage *stage) : QFrame(stage), m_stage(stage)
{
    setObjectName(QStringLiteral("pnlProgress"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    m_task = new QLabel(QStringLiteral("Copy photos from CD-ROM to hard drive"), this);
    m_task->setObjectName(QStringLiteral("Label2"));
    m_task->setAlignment(Qt::AlignCenter);
    stage->place(m_task, twipsRect(1560, 240, 4695, 255));

    auto *copying = new QLabel(QStringLiteral("Copying file:"), this);
    copying->setObjectName(QStringLiteral("lblCopyingFile"));
    copying->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    stage->place(copying, twipsRect(180, 600, 1200, 285));

    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("Text1"));
    m_file->setReadOnly(true);
    m_file->setFocusPolicy(Qt::NoFocus);
    stage->place(m_file, twipsRect(1440, 600, 5415, 285));

    m_fileGauge = new Gauge(this);
    m_fileGauge->setObjectName(QStringLiteral("ProgressGuage"));
    stage->place(m_fileGauge, twipsRect(360, 960, 6495, 375));
    m_wholeGauge = new Gauge(this);
    m_wholeGauge->setObjectName(QStringLiteral("ProgressGuage2"));
    stage->place(m_wholeGauge, twipsRect(360, 3840, 6495, 375));

    m_copy = button("cmdCopy", QStringLiteral("Copy Photos"), twipsRect(360, 4320, 3255, 375));
    m_cancel = button("cmdCancel", QStringLiteral("Cancel"), twipsRect(3600, 4320, 3255, 375));
    const QList<QWidget *> displays{m_task, copying, m_file, m_fileGauge, m_wholeGauge};
    for (QWidget *display : displays)
        keepColoursWhenDisabled(display);
    hide();
}

QPushButton *ProgressPanel::button(const char *name, const QString &caption, const QRect &design)
{
    return m_stage->addButton(this, QLatin1String(name), caption, design);
}

void ProgressPanel::placeOver(const QRect &photoBox)
{
    m_stage->placeCentredOver(this, photoBox, twipsRect(0, 0, PanelWidth, PanelHeight).size(),
                              twipsToPixels(PanelDrop));
}

void ProgressPanel::prepare(const QString &task, const QString &copyCaption)
{
    m_task->setText(task);
    m_copy->setText(copyCaption);
    m_file->clear();
    m_fileGauge->setFill(0.0);
    m_wholeGauge->setFill(0.0);
}

void ProgressPanel::setButtonsEnabled(bool enabled)
{
    m_copy->setEnabled(enabled);
    m_cancel->setEnabled(enabled);
}

void ProgressPanel::showFile(const QString &source, double fileFill, double wholeFill)
{
    m_file->setText(source);
    m_fileGauge->setFill(fileFill);
    m_wholeGauge->setFill(wholeFill);
}

void ProgressPanel::showWholeDone()
{
    m_wholeGauge->setFill(100.0);
}

} // namespace gallerion
