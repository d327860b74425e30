#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace gallerion {

// Where the main window's controls stand. The photo and the frame under it are
// measured in pixels of the window; the year buttons, the exit button and the
// panel buttons in twips of their own containers.
struct MainWindowLayout
{
    static constexpr int PanelCount = 9;
    // The panel buttons in their left-to-right order.
    static constexpr std::array<const char *, PanelCount> PanelOrder{
        "cmdDesc",   "cmdOptions", "cmdStats", "cmdColors",   "cmdScript",
        "cmdEmblem", "cmdClipArt", "cmdAd",    "cmdNostalgia"};

    QRect image4;                              // pixels
    QRect frame1;                              // pixels
    std::array<QRect, 39> yearButton;          // twips, 1-based
    QRect exitButton;                          // twips
    std::array<QRect, PanelCount> panelButton; // twips, in PanelOrder

    // The layout designed for an 800 x 600 screen.
    static MainWindowLayout designed();
    // Any other screen gets the tighter layout of the original release.
    void compact();

    static int panelIndex(const char *name);
};

// The whole stage the layout needs, in pixels.
QSize mainStageSize();

} // namespace gallerion
