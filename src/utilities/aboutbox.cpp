#include "utilities/aboutbox.h"

#include "platform/twips.h"
#include "startup/applicationtitle.h"
#include "startup/applicationversion.h"
#include "utilities/makerinfo.h"
#include "widgets/designstage.h"

#include <QLabel>
#include <QPushButton>

namespace gallerion {

namespace {
constexpr QSize DesignTwips(6000, 4320);
} // namespace

AboutBox::AboutBox(double scale, QWidget *parent)
    : DesignedDialog(QSize(twipsToPixels(DesignTwips.width()), twipsToPixels(DesignTwips.height())),
                     scale, parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + applicationTitle());
    stage()->setAutoFillBackground(true);
    stage()->setAccessibleName(windowTitle());
    QPalette palette = stage()->palette();
    palette.setColor(QPalette::Window, QColor(0xd4, 0xd0, 0xc8));
    stage()->setPalette(palette);
    QFont font = stage()->font();
    font.setPixelSize(12);
    stage()->setDesignFont(font);

    const QStringList maker = makerAddress();
    panQuillon = panel(QStringLiteral("panQuillon"),
                       (maker + QStringList{QString(), QStringLiteral("WEB: ") + makerHost()})
                           .join(QLatin1Char('\n')),
                       QRect(240, 240, 5520, 1920));
    QFont bold = font;
    bold.setBold(true);
    stage()->setDesignFont(panQuillon, bold);
    SSPanel2 = panel(QStringLiteral("SSPanel2"),
                     QStringLiteral("Reference software for collectors and enthusiasts"),
                     QRect(240, 2280, 5520, 480));
    lblVersion = panel(QStringLiteral("lblVersion"),
                       applicationTitle() + QStringLiteral(" version ") + applicationVersion() +
                           QStringLiteral("\nQt ") + QLatin1String(qVersion()),
                       QRect(240, 2880, 5520, 600));
    lblVersion->setFrameStyle(QFrame::NoFrame);

    SSCommand1 = new QPushButton(QStringLiteral("OK"), stage());
    SSCommand1->setObjectName(QStringLiteral("SSCommand1"));
    SSCommand1->setDefault(true);
    SSCommand1->setToolTip(QStringLiteral("Close this window (Esc)"));
    stage()->place(SSCommand1, twipsRect(2400, 3660, 1200, 450));
    connect(SSCommand1, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel *AboutBox::panel(const QString &name, const QString &text, const QRect &twips)
{
    auto *label = new QLabel(text, stage());
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stage()->place(label, twipsRect(twips));
    return label;
}

} // namespace gallerion
