#include "slideshow/slidelayout.h"

namespace gallerion {

namespace {

constexpr int Margin = 120;
constexpr int ButtonRowTop = 7320;
constexpr int BarTop = 7620;
constexpr int ClockRowTop = 8040;
constexpr int ButtonHeight = 300;
constexpr int BarHeight = 360;
constexpr int ClockHeight = 330;
// The compact rows are too close for the designed heights.
constexpr int CompactButtonHeight = 240;

int right(const QRect &twips)
{
    return twips.left() + twips.width();
}

// Puts a control right after another on the same row.
void follow(QRect &control, const QRect &previous)
{
    control.moveLeft(right(previous));
}

} // namespace

SlideLayout SlideLayout::designed()
{
    SlideLayout l;
    l.Image1 = QRect(Margin, Margin, 11760, 7140);
    l.panYear = QRect(Margin, ButtonRowTop, 3360, ButtonHeight);
    l.pnlPhotoNumber = QRect(Margin, BarTop, 3360, BarHeight);
    l.SSCommand1 = QRect(4200, ButtonRowTop, 1680, ButtonHeight);
    l.SSCommand2 = QRect(5880, ButtonRowTop, 1680, ButtonHeight);
    l.mmSlide = QRect(4200, BarTop, 3360, BarHeight);
    l.SpinInterval = QRect(9720, ButtonRowTop, 360, 660);
    l.panInterval = QRect(10080, ButtonRowTop, 1800, 660);
    l.PnlCoStar = QRect(Margin, ClockRowTop, 4200, ClockHeight);
    l.StatusDate = QRect(4320, ClockRowTop, 1800, ClockHeight);
    l.StatusDay = QRect(6120, ClockRowTop, 1800, ClockHeight);
    l.StatusTime = QRect(7920, ClockRowTop, 1800, ClockHeight);
    l.cmdExit = QRect(9720, ClockRowTop, 2160, ClockHeight);
    l.client = QSize(12000, 8400);
    return l;
}

void SlideLayout::compact(int screenWidth)
{
    Image1.setWidth(int(Image1.width() * 0.795));
    Image1.setHeight(int(Image1.height() * 0.78));

    panYear.moveTop(5900);
    mmSlide.moveTop(6140);
    SSCommand1.moveTop(5900);
    SSCommand2.moveTop(5900);
    for (QRect *control : {&PnlCoStar, &StatusDate, &StatusTime, &StatusDay, &cmdExit})
        control->moveTop(6500);

    PnlCoStar.setWidth(3500);
    for (QRect *control : {&StatusDate, &StatusDay, &StatusTime})
        control->setWidth(1500);
    cmdExit.setWidth(1400);

    follow(StatusDate, PnlCoStar);
    follow(StatusDay, StatusDate);
    follow(StatusTime, StatusDay);
    follow(cmdExit, StatusTime);

    SSCommand1.setWidth(1377);
    SSCommand2.setWidth(1377);
    SSCommand1.moveLeft(SSCommand1.left() - 400);
    mmSlide.moveLeft(SSCommand1.left());
    follow(SSCommand2, SSCommand1);
    mmSlide.setWidth(2736);

    panInterval.moveTop(5900);
    panInterval.moveLeft(screenWidth - panInterval.width() - 140);

    SpinInterval.moveTop(5900);
    SpinInterval.moveLeft(panInterval.left() - SpinInterval.width());
    SpinInterval.setHeight(int(SpinInterval.height() * 0.6));

    // The rest fits the rows above to the tighter room.
    for (QRect *control : {&panYear, &SSCommand1, &SSCommand2})
        control->setHeight(CompactButtonHeight);
    pnlPhotoNumber.moveTop(mmSlide.top());
    panInterval.setHeight(SpinInterval.height());
    client = QSize(screenWidth, cmdExit.top() + cmdExit.height() + Margin);
}

} // namespace gallerion
