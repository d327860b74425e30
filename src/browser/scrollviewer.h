#pragma once

#include <QDialog>

class QPushButton;
class QScrollBar;
class QWheelEvent;

namespace gallerion {

class PictureBox;
struct ScrollViewInput;

// frmScroll: one large picture, either at its natural size in a viewport
// with scroll bars, or stretched to the screen's height. A left click
// switches between the two, a right click or the corner button closes it.
// The main window is disabled from the viewer's creation until it closes.
// The wheel scrolls the picture through the scroll bars: vertically, and
// horizontally with Shift or a horizontal wheel.
class ScrollViewer : public QDialog
{
    Q_OBJECT
public:
    // Made as large as the screen, at the main window's top left corner. The
    // caption of the open entry decides how the picture is fitted.
    ScrollViewer(QWidget *mainWindow, const QString &caption, const QSize &screen);

    // Puts the picture into picChild and Image1; false when it cannot be read.
    bool loadPicture(const QString &nativePath, const QString &programPath);
    // The scroll view at (0, 0), laid out for the given viewport source.
    void showScrollView(const QSize &layoutSize);

    void zoomOut();
    void zoomIn();
    bool scrollViewShown() const;

public slots:
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void connectControls();
    void layOut(const QSize &inner, bool largeChangeInSixths);
    void setScrollViewVisible(bool visible);
    void picturePressed(Qt::MouseButton button);
    void scrollByWheel(QWheelEvent *event);

    QWidget *m_mainWindow;
    QString m_caption;
    QSize m_screen;
    QWidget *m_picParent = nullptr;
    PictureBox *m_picChild = nullptr;
    PictureBox *m_image1 = nullptr;
    QScrollBar *m_hScroll1 = nullptr;
    QScrollBar *m_vScroll1 = nullptr;
    QPushButton *m_ssCommand1 = nullptr;
};

} // namespace gallerion
