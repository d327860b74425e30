#include "slideshow/slideshowwindow.h"

#include "widgets/designstage.h"
#include "platform/media/multimediadevice.h"
#include "widgets/photobox.h"
#include "widgets/spinbutton.h"
#include "platform/twips.h"
#include "slideshow/slideclock.h"
#include "slideshow/slidelayout.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace gallerion {

namespace {

constexpr int DesignTimer1Interval = 750;

QSize designPixels(const QSize &twips)
{
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

} // namespace

SlideShowWindow::SlideShowWindow(const SlideLayout &layout, double scale, QWidget *parent)
    : DesignedDialog(designPixels(layout.client), scale, parent)
{
    setObjectName(QStringLiteral("frmSlide"));
    setWindowTitle(QStringLiteral("The Zarvick Gallerion Slide Show"));
    stage()->setAutoFillBackground(true);
    QPalette palette = stage()->palette();
    palette.setColor(QPalette::Window, QColor(0xd4, 0xd0, 0xc8));
    stage()->setPalette(palette);
    QFont font = stage()->font();
    font.setPixelSize(11);
    stage()->setDesignFont(font);
    buildControls(layout);
    buildTransport(layout);
    buildClock(layout);
    setFocusProxy(SSCommand1);
}

QLabel *SlideShowWindow::panel(const QString &name, const QString &caption, const QRect &twips)
{
    auto *label = new QLabel(caption, stage());
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->installEventFilter(this);
    stage()->place(label, twipsRect(twips));
    return label;
}

QPushButton *SlideShowWindow::button(const QString &name, const QString &caption,
                                     const QRect &twips)
{
    return stage()->addButton(stage(), name, caption, twipsRect(twips));
}

void SlideShowWindow::buildControls(const SlideLayout &layout)
{
    Image1 = new PhotoBox(stage());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("Click the Right mouse button to copy"));
    stage()->place(Image1, twipsRect(layout.Image1));

    panYear = panel(QStringLiteral("panYear"), QString(), layout.panYear);
    QFont bold = stage()->font();
    bold.setBold(true);
    stage()->setDesignFont(panYear, bold);
    pnlPhotoNumber = panel(QStringLiteral("pnlPhotoNumber"), QString(), layout.pnlPhotoNumber);
    // Nothing is on view until a slide is.
    panYear->hide();
    pnlPhotoNumber->hide();

    SSCommand1 =
        button(QStringLiteral("SSCommand1"), QStringLiteral("Beginning"), layout.SSCommand1);
    SSCommand1->setToolTip(QStringLiteral("Jump to Slide 1"));
    SSCommand1->installEventFilter(this);
    SSCommand2 = button(QStringLiteral("SSCommand2"), QStringLiteral("Middle"), layout.SSCommand2);
    SSCommand2->setToolTip(QStringLiteral("Jump to Middle"));
}

void SlideShowWindow::buildTransport(const SlideLayout &layout)
{
    using B = MultimediaDevice::Button;
    mmSlide = new MultimediaDevice(stage());
    mmSlide->setObjectName(QStringLiteral("mmSlide"));
    mmSlide->setToolTip(
        QStringLiteral("[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]"));
    const std::pair<B, const char *> roles[] = {
        {B::Prev, "Bkwd"},      {B::Next, "Fwd"},      {B::Play, "Play"}, {B::Pause, "Pause"},
        {B::Back, "Jump Bkwd"}, {B::Step, "Jump Fwd"}, {B::Stop, "Exit"}};
    for (const auto &[which, role] : roles)
        mmSlide->button(which)->setToolTip(QLatin1String(role));
    mmSlide->setButtonVisible(B::Record, false);
    mmSlide->setButtonVisible(B::Eject, false);
    mmSlide->setButtonEnabled(B::Pause, false);
    stage()->place(mmSlide, twipsRect(layout.mmSlide));

    SpinInterval = new SpinButton(stage());
    SpinInterval->setObjectName(QStringLiteral("SpinInterval"));
    SpinInterval->setToolTip(QStringLiteral("Set Slide Show Delay"));
    stage()->place(SpinInterval, twipsRect(layout.SpinInterval));
    panInterval = panel(QStringLiteral("panInterval"), QString(), layout.panInterval);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // Slides keep their time: each tick is due one delay after the last was due.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(DesignTimer1Interval);
}

void SlideShowWindow::buildClock(const SlideLayout &layout)
{
    PnlCoStar = panel(QStringLiteral("PnlCoStar"), QStringLiteral("The Zarvick Gallerion  2001"),
                      layout.PnlCoStar);
    QFont bold = stage()->font();
    bold.setBold(true);
    stage()->setDesignFont(PnlCoStar, bold);
    StatusDate =
        panel(QStringLiteral("StatusDate"), QStringLiteral("StatusDate"), layout.StatusDate);
    StatusDay = panel(QStringLiteral("StatusDay"), QStringLiteral("StatusDay"), layout.StatusDay);
    StatusTime =
        panel(QStringLiteral("StatusTime"), QStringLiteral("StatusTime"), layout.StatusTime);
    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("Exit"), layout.cmdExit);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);

    // The captions change once a second; the timer wakes only then.
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setSingleShot(true);
    connect(Timer3, &QTimer::timeout, this, &SlideShowWindow::refreshClock);
    refreshClock();
}

void SlideShowWindow::refreshClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const ClockCaptions captions = clockCaptions(now);
    StatusTime->setText(captions.time);
    StatusDate->setText(captions.date);
    StatusDay->setText(captions.day);
    Timer3->start(msUntilNextSecond(now.time()));
}

void SlideShowWindow::focusFirstButton()
{
    SSCommand1->setFocus(Qt::OtherFocusReason);
}

void SlideShowWindow::reject()
{
    if (!m_closeGuard || m_closeGuard())
        DesignedDialog::reject();
}

void SlideShowWindow::closeNow()
{
    done(QDialog::Rejected);
}

bool SlideShowWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SSCommand1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Comma || key == Qt::Key_Less)
            emit stepKey(false);
        else if (key == Qt::Key_Period || key == Qt::Key_Greater)
            emit stepKey(true);
    } else if (event->type() == QEvent::MouseButtonPress && qobject_cast<QLabel *>(watched)) {
        emit panelClicked();
    }
    return DesignedDialog::eventFilter(watched, event);
}

void SlideShowWindow::showEvent(QShowEvent *event)
{
    DesignedDialog::showEvent(event);
    focusFirstButton();
}

} // namespace gallerion
