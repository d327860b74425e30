#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace gallerion {

// What the large-photo viewer knows when it lays itself out (pixels).
struct ScrollViewInput
{
    QSize inner;                 // the window's inner size
    int verticalBarWidth = 0;    // VScroll1's width
    int horizontalBarHeight = 0; // HScroll1's height
    QSize picture;               // picChild, at the picture's natural size
    QRect viewport;              // picParent as it stands
    int horizontalMaximum = 0;   // HScroll1.Max as it stands
    int verticalMaximum = 0;     // VScroll1.Max as it stands
    // The viewer's own layout pages by a sixth of what the opener's does.
    bool largeChangeInSixths = true;
};

// One scroll bar's settings. An empty value is a step that could not be
// applied; the control keeps what it had.
struct ScrollBarPlan
{
    QRect geometry;
    std::optional<int> maximum;
    bool enabled = false;
    std::optional<int> largeChange;
};

struct ScrollViewPlan
{
    std::optional<QRect> viewport; // picParent
    ScrollBarPlan horizontal;      // HScroll1
    ScrollBarPlan vertical;        // VScroll1
    QRect corner;                  // SSCommand1
};

ScrollViewPlan planScrollView(const ScrollViewInput &input);

// Image1 in the fitted view: as tall as the screen, as wide as the screen
// for the years whose advertisements are landscape pages and 0.77 times the
// height otherwise, centred horizontally; its top stays where it was.
QRect fittedPictureRect(const QString &yearCaption, const QSize &screen, int top);

} // namespace gallerion
