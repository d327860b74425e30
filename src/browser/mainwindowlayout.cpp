#include "browser/mainwindowlayout.h"

#include <cstring>

namespace gallerion {

namespace {

constexpr int YearRowHeight = 375;
constexpr int SecondRowTop = 390;
constexpr int PanelTop = 120;
constexpr int PanelHeight = 375;

// How much narrower each panel button becomes in the compact layout.
constexpr std::array<int, MainWindowLayout::PanelCount> PanelShrink{7,  24, 24, 24, 24,
                                                                    24, 24, 10, 20};

QRect designedYearButton(int index)
{
    const bool secondRow = index > 19;
    const int column = secondRow ? index - 19 : index; // 1..19
    const int top = secondRow ? SecondRowTop : 0;
    if (column == 1)
        return QRect(90, top, 660, YearRowHeight);
    return QRect(750 + (column - 2) * 540, top, 540, YearRowHeight);
}

} // namespace

int MainWindowLayout::panelIndex(const char *name)
{
    for (int i = 0; i < PanelCount; ++i) {
        if (std::strcmp(PanelOrder[i], name) == 0)
            return i;
    }
    return -1;
}

MainWindowLayout MainWindowLayout::designed()
{
    MainWindowLayout layout;
    layout.image4 = QRect(6, 4, 640, 392);
    layout.frame1 = QRect(6, 400, 640, 34);
    for (int i = 1; i <= 38; ++i)
        layout.yearButton[i] = designedYearButton(i);
    layout.exitButton = QRect(10560, 0, 1350, SecondRowTop + YearRowHeight);
    for (int i = 0; i < PanelCount; ++i)
        layout.panelButton[i] = QRect(45 + i * 1060, PanelTop, 1050, PanelHeight);
    return layout;
}

void MainWindowLayout::compact()
{
    image4.setSize(QSize(620, 356));
    frame1.moveTop(image4.top() + image4.height() - 10);
    yearButton[1].setWidth(630);
    yearButton[20].setWidth(630);
    for (int i = 2; i <= 19; ++i) {
        yearButton[i].setWidth(480);
        yearButton[i].moveLeft(i * 480 - 220);
    }
    for (int i = 21; i <= 38; ++i) {
        yearButton[i].setWidth(480);
        yearButton[i].moveLeft((i - 19) * 480 - 220);
    }
    for (int i = 0; i < PanelCount; ++i)
        panelButton[i].setWidth(panelButton[i].width() - PanelShrink[i]);
    exitButton.moveLeft(yearButton[38].left() + yearButton[38].width());
    panelButton[0].moveLeft(panelButton[0].left() - 4);
    for (int i = 1; i < PanelCount; ++i)
        panelButton[i].moveLeft(panelButton[i - 1].left() + panelButton[i - 1].width());
}

QSize mainStageSize()
{
    return QSize(800, 500);
}

} // namespace gallerion
