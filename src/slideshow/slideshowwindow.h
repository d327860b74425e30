#pragma once

#include "widgets/designeddialog.h"

#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace gallerion {

class MultimediaDevice;
class PhotoBox;
class SpinButton;
struct SlideLayout;

// frmSlide: one large slide, the buttons that move through the photos, the
// delay, and a clock row. The window only shows; the show drives it.
class SlideShowWindow : public DesignedDialog
{
    Q_OBJECT
public:
    SlideShowWindow(const SlideLayout &layout, double scale, QWidget *parent);

    PhotoBox *Image1 = nullptr;
    QLabel *pnlPhotoNumber = nullptr;
    QLabel *panYear = nullptr;
    QPushButton *SSCommand1 = nullptr;
    QPushButton *SSCommand2 = nullptr;
    MultimediaDevice *mmSlide = nullptr;
    SpinButton *SpinInterval = nullptr;
    QLabel *panInterval = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer3 = nullptr;
    QLabel *PnlCoStar = nullptr;
    QLabel *StatusDate = nullptr;
    QLabel *StatusDay = nullptr;
    QLabel *StatusTime = nullptr;
    QPushButton *cmdExit = nullptr;

    // Asked before the window closes by the user; true lets it close.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    // Closes without asking (the program ends).
    void closeNow();
    void focusFirstButton();

public slots:
    void reject() override;

signals:
    // The comma (false) or period (true) key on SSCommand1.
    void stepKey(bool forward);
    // A click on a panel: the keyboard belongs to SSCommand1.
    void panelClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls(const SlideLayout &layout);
    void buildTransport(const SlideLayout &layout);
    void buildClock(const SlideLayout &layout);
    QLabel *panel(const QString &name, const QString &caption, const QRect &twips);
    QPushButton *button(const QString &name, const QString &caption, const QRect &twips);
    void refreshClock();

    std::function<bool()> m_closeGuard;
};

} // namespace gallerion
