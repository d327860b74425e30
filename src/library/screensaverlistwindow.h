#pragma once

#include "widgets/designeddialog.h"

class QLabel;
class QPushButton;

namespace gallerion {

class Gauge;
class PhotoBox;

// frmSSPhoto: the photo on view and the buttons that keep the screen saver's
// play list. It only shows; ScreenSaverList does the work.
class ScreenSaverListWindow : public DesignedDialog
{
    Q_OBJECT
public:
    ScreenSaverListWindow(double scale, QWidget *owner);

    PhotoBox *Picture1 = nullptr;
    QPushButton *SSCommand7 = nullptr; // Add
    QPushButton *SSCommand8 = nullptr; // Remove
    QPushButton *SSCommand2 = nullptr; // Remove all
    QPushButton *SSCommand3 = nullptr; // Copy to the clipboard
    QPushButton *SSCommand1 = nullptr; // Help
    QPushButton *SSCommand9 = nullptr; // Exit
    Gauge *ProgressGuage = nullptr;

private:
    QPushButton *button(const char *name, const QString &caption, const QRect &design);
};

} // namespace gallerion
