#include "library/screensaverlistwindow.h"

#include "widgets/gauge.h"
#include "widgets/designstage.h"
#include "widgets/photobox.h"
#include "platform/twips.h"
#include "startup/applicationtitle.h"
#include "startup/screensaverlistclose.h"

#include <QLabel>
#include <QPushButton>

namespace gallerion {

namespace {
constexpr int WindowWidth = 7200;
constexpr int WindowHeight = 6390;
constexpr int Margin = 120;
constexpr int ButtonWidth = 3420;
constexpr int ButtonHeight = 420;
constexpr int RightColumn = WindowWidth - Margin - ButtonWidth;
constexpr int FirstRow = 4800;
constexpr int RowStep = ButtonHeight + 90;
} // namespace

ScreenSaverListWindow::ScreenSaverListWindow(double scale, QWidget *owner)
    : DesignedDialog(QSize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight)), scale, owner)
{
    setObjectName(ScreenSaverListName);
    setWindowTitle(applicationTitle());
    DesignStage *stage = this->stage();

    auto *heading = new QLabel(QStringLiteral("Screen Saver Photo Selection"), stage);
    heading->setObjectName(QStringLiteral("Panel3D1"));
    heading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    stage->setDesignFont(heading, bold);
    stage->place(heading, twipsRect(Margin, Margin, WindowWidth - 2 * Margin, 390));

    Picture1 = new PhotoBox(stage);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    stage->place(Picture1, twipsRect(1200, 630, 4800, 3600));

    ProgressGuage = new Gauge(stage);
    ProgressGuage->setObjectName(QStringLiteral("ProgressGuage"));
    stage->place(ProgressGuage, twipsRect(Margin, 4350, WindowWidth - 2 * Margin, 330));

    SSCommand7 = button("SSCommand7", QStringLiteral("Add this photo to list"),
                        twipsRect(Margin, FirstRow, ButtonWidth, ButtonHeight));
    SSCommand8 = button("SSCommand8", QStringLiteral("Remove this photo from list"),
                        twipsRect(RightColumn, FirstRow, ButtonWidth, ButtonHeight));
    SSCommand2 = button("SSCommand2", QStringLiteral("Remove all photos from the list"),
                        twipsRect(Margin, FirstRow + RowStep, ButtonWidth, ButtonHeight));
    SSCommand3 = button("SSCommand3", QStringLiteral("Copy this photo to Clipboard"),
                        twipsRect(RightColumn, FirstRow + RowStep, ButtonWidth, ButtonHeight));
    SSCommand1 = button("SSCommand1", QStringLiteral("Help"),
                        twipsRect(Margin, FirstRow + 2 * RowStep, ButtonWidth, ButtonHeight));
    SSCommand9 = button("SSCommand9", QStringLiteral("Exit"),
                        twipsRect(RightColumn, FirstRow + 2 * RowStep, ButtonWidth, ButtonHeight));
}

QPushButton *ScreenSaverListWindow::button(const char *name, const QString &caption,
                                           const QRect &design)
{
    return stage()->addButton(stage(), QLatin1String(name), caption, design);
}

} // namespace gallerion
