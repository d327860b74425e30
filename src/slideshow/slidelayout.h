#pragma once

#include <QRect>
#include <QSize>

namespace gallerion {

// Where the slide-show window's controls stand, in twips.
struct SlideLayout
{
    QRect Image1;
    QRect panYear;
    QRect pnlPhotoNumber;
    QRect SSCommand1;
    QRect SSCommand2;
    QRect mmSlide;
    QRect SpinInterval;
    QRect panInterval;
    QRect PnlCoStar;
    QRect StatusDate;
    QRect StatusDay;
    QRect StatusTime;
    QRect cmdExit;
    QSize client; // the window's client area

    // The layout designed for an 800 x 600 screen.
    static SlideLayout designed();
    // The tighter layout of a 640 x 480 screen of this width in twips.
    void compact(int screenWidth);
};

} // namespace gallerion
