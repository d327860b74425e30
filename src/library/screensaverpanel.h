#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QRadioButton;

namespace gallerion {

class DesignStage;
class SpinButton;

// pnlSSaver: the screen saver's installation over the main window's photo,
// hidden until the File menu asks for it. It only shows; the installation
// does the work.
class ScreenSaverPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ScreenSaverPanel(DesignStage *stage);

    // Centred over the photo, just below its top edge, and so wholly on it.
    void placeOver(const QRect &photoBox);

    QRadioButton *allPhotos() const { return m_options[0]; }
    QRadioButton *selectedPhotos() const { return m_options[1]; }
    QPushButton *SSCommand4 = nullptr; // Install
    QPushButton *SSCommand5 = nullptr; // Help
    QPushButton *SSCommand6 = nullptr; // Cancel, then Exit
    SpinButton *SpinInterval = nullptr;
    QLabel *panInterval = nullptr;

private:
    QPushButton *button(const char *name, const QString &caption, const QRect &design);

    DesignStage *m_stage;
    QRadioButton *m_options[2] = {};
};

} // namespace gallerion
