#pragma once

#include <QList>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace gallerion {

class DesignStage;
class MultimediaDevice;
class PhotoView;
class PictureBox;
class RichTextBox;
class SpinButton;
class YearButton;

// The main window's own controls, which the browsing logic works with.
// Features reach the window only through its host interface.
struct MainControls
{
    QWidget *window = nullptr;
    DesignStage *stage = nullptr;
    PhotoView *Image4 = nullptr;
    QLabel *panYear = nullptr;
    QLabel *panPhoto = nullptr;
    SpinButton *SpinButton1 = nullptr;
    QLineEdit *txtFile = nullptr;
    std::array<YearButton *, 39> cmdYR{}; // 1-based
    QFrame *Frame1 = nullptr;
    QWidget *yearStrip = nullptr;
    QPushButton *cmdDesc = nullptr;
    QPushButton *cmdStats = nullptr;
    QPushButton *cmdOptions = nullptr;
    QPushButton *cmdColors = nullptr;
    QPushButton *cmdNostalgia = nullptr;
    QPushButton *cmdScript = nullptr;
    QPushButton *cmdEmblem = nullptr;
    QPushButton *cmdClipArt = nullptr;
    QPushButton *cmdAd = nullptr;
    QPushButton *cmdExit = nullptr;
    QPushButton *Command1 = nullptr;
    RichTextBox *rtbDetails = nullptr;
    PictureBox *picClipArt = nullptr;
    PictureBox *picEmblem = nullptr;
    PictureBox *picScript = nullptr;
    MultimediaDevice *MMControl1 = nullptr;
    QAction *mnuNames = nullptr;

    // The nine panel buttons in their left-to-right order.
    QList<QPushButton *> panelButtons() const
    {
        return {cmdDesc,   cmdOptions, cmdStats, cmdColors,   cmdScript,
                cmdEmblem, cmdClipArt, cmdAd,    cmdNostalgia};
    }
};

} // namespace gallerion
