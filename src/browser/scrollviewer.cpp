#include "browser/scrollviewer.h"

#include "browser/picturebox.h"
#include "browser/scrollviewerlayout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace gallerion {

namespace {

// The width of the platform's standard scroll bar, 255 twips.
constexpr int BarThickness = 17;
// Where the opener first puts the fitted picture, before a zoom sizes it.
constexpr int DesignedImageWidth = 620;
// Pixels a line of the wheel scrolls, as a desktop's scroll areas do; a
// scroll bar's own step of one pixel makes the wheel useless.
constexpr int WheelLineStep = 20;
// One notch of a standard wheel.
constexpr int NotchDelta = 120;

const QString ZoomOutTip = QStringLiteral(
    "Click the left mouse button to view zoom out. Click the Right mouse button to close.");
const QString ZoomInTip = QStringLiteral(
    "Click the left mouse button to zoom in. Click the Right mouse button to close.");

void applyBar(QScrollBar *bar, const ScrollBarPlan &plan)
{
    bar->setGeometry(plan.geometry);
    // A picture smaller than the viewport gives a negative Max; the bar,
    // disabled then, keeps the picture at the viewport's origin.
    if (plan.maximum)
        bar->setRange(0, qMax(0, *plan.maximum));
    bar->setEnabled(plan.enabled);
    if (plan.largeChange)
        bar->setPageStep(*plan.largeChange);
    bar->update();
}

} // namespace

ScrollViewer::ScrollViewer(QWidget *mainWindow, const QString &caption, const QSize &screen)
    : QDialog(nullptr), m_mainWindow(mainWindow), m_caption(caption), m_screen(screen)
{
    setObjectName(QStringLiteral("frmScroll"));
    build();
    connectControls();
    m_mainWindow->setEnabled(false);
    move(m_mainWindow->pos());
    resize(screen);
}

void ScrollViewer::build()
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);

    // Image1 lies beneath the picture boxes and shows when they are hidden.
    m_image1 = new PictureBox(this, PictureBox::Fit::Stretch);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setToolTip(ZoomInTip);
    m_picParent = new QWidget(this);
    m_picParent->setObjectName(QStringLiteral("picParent"));
    m_picParent->setToolTip(ZoomOutTip);
    m_picChild = new PictureBox(m_picParent);
    m_picChild->setObjectName(QStringLiteral("picChild"));
    m_picChild->setToolTip(ZoomOutTip);
    m_hScroll1 = new QScrollBar(Qt::Horizontal, this);
    m_hScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll1->resize(BarThickness, BarThickness);
    m_hScroll1->setSingleStep(WheelLineStep);
    m_vScroll1 = new QScrollBar(Qt::Vertical, this);
    m_vScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_vScroll1->resize(BarThickness, BarThickness);
    m_vScroll1->setSingleStep(WheelLineStep);
    m_ssCommand1 = new QPushButton(this);
    m_ssCommand1->setObjectName(QStringLiteral("SSCommand1"));
    m_image1->lower();
    setScrollViewVisible(false);
}

void ScrollViewer::connectControls()
{
    connect(m_hScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { m_picChild->move(-value, m_picChild->y()); });
    connect(m_vScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { m_picChild->move(m_picChild->x(), -value); });
    connect(m_picChild, &PictureBox::clicked, this, &ScrollViewer::zoomOut);
    connect(m_picChild, &PictureBox::pressed, this, &ScrollViewer::picturePressed);
    connect(m_image1, &PictureBox::clicked, this, &ScrollViewer::zoomIn);
    connect(m_image1, &PictureBox::pressed, this, &ScrollViewer::picturePressed);
    connect(m_ssCommand1, &QPushButton::clicked, this, &QWidget::close);
    m_picParent->installEventFilter(this);
    m_picChild->installEventFilter(this);
}

bool ScrollViewer::loadPicture(const QString &nativePath, const QString &programPath)
{
    if (!m_picChild->loadPicture(nativePath, programPath))
        return false;
    m_image1->showPicture(m_picChild->pixmap(), programPath);
    return true;
}

void ScrollViewer::showScrollView(const QSize &layoutSize)
{
    m_picChild->move(0, 0);
    m_hScroll1->setValue(0);
    m_vScroll1->setValue(0);
    m_image1->setGeometry(m_picChild->x(), m_picChild->y(), DesignedImageWidth,
                          m_picParent->height());
    m_image1->lower();
    layOut(layoutSize, false);
    setScrollViewVisible(true);
}

void ScrollViewer::resizeEvent(QResizeEvent *event)
{
    layOut(size(), true);
    QDialog::resizeEvent(event);
}

bool ScrollViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && (watched == m_picParent || watched == m_picChild)) {
        scrollByWheel(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Over the picture; a scroll bar takes the wheel itself, by the same step.
void ScrollViewer::scrollByWheel(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    const bool horizontal =
        event->modifiers().testFlag(Qt::ShiftModifier) || qAbs(delta.x()) > qAbs(delta.y());
    QScrollBar *bar = horizontal ? m_hScroll1 : m_vScroll1;
    // Shift turns the vertical wheel sideways; a horizontal wheel is sideways already.
    const int turned = delta.x() != 0 ? delta.x() : delta.y();
    const int amount = horizontal ? turned : delta.y();
    if (!bar->isEnabled())
        return;
    // A wheel turned towards the user (a negative delta) moves on down or right.
    const int lines = QApplication::wheelScrollLines();
    bar->setValue(bar->value() - amount * lines * bar->singleStep() / NotchDelta);
}

void ScrollViewer::layOut(const QSize &inner, bool largeChangeInSixths)
{
    ScrollViewInput input;
    input.inner = inner;
    input.verticalBarWidth = m_vScroll1->width();
    input.horizontalBarHeight = m_hScroll1->height();
    input.picture = m_picChild->size();
    input.viewport = m_picParent->geometry();
    input.horizontalMaximum = m_hScroll1->maximum();
    input.verticalMaximum = m_vScroll1->maximum();
    input.largeChangeInSixths = largeChangeInSixths;
    const ScrollViewPlan plan = planScrollView(input);
    if (plan.viewport)
        m_picParent->setGeometry(*plan.viewport);
    applyBar(m_hScroll1, plan.horizontal);
    applyBar(m_vScroll1, plan.vertical);
    m_ssCommand1->setFocus(Qt::OtherFocusReason);
    m_ssCommand1->setGeometry(plan.corner);
    m_ssCommand1->update();
}

void ScrollViewer::setScrollViewVisible(bool visible)
{
    for (QWidget *control : {static_cast<QWidget *>(m_hScroll1), static_cast<QWidget *>(m_vScroll1),
                             m_picParent, static_cast<QWidget *>(m_picChild)})
        control->setVisible(visible);
}

bool ScrollViewer::scrollViewShown() const
{
    return !m_picParent->isHidden() && !m_picChild->isHidden() && !m_hScroll1->isHidden() &&
           !m_vScroll1->isHidden();
}

void ScrollViewer::zoomOut()
{
    setScrollViewVisible(false);
    m_image1->setGeometry(fittedPictureRect(m_caption, m_screen, m_image1->y()));
}

void ScrollViewer::zoomIn()
{
    // The picture boxes kept their place, so the scroll position is as it was.
    setScrollViewVisible(true);
}

void ScrollViewer::picturePressed(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        close();
}

void ScrollViewer::done(int result)
{
    m_mainWindow->setEnabled(true);
    QDialog::done(result);
}

} // namespace gallerion
