#pragma once

#include "saver/saveroptions.h"
#include "saver/saverplan.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QLabel;

namespace gallerion {

class PhotoBox;
class PhotoLoader;

// The screen saver: the plan's photos in turn on black, proportions kept, in
// a loop; or, with no photo, one quiet line that says why. Full screen, any
// key, button or real movement of the mouse ends it; in a window of its own a
// key does; inside another program's window that program ends it.
class SaverWindow : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString photo READ photo NOTIFY photoShown)

public:
    SaverWindow(SaverPlan plan, SaverMode mode, QWidget *parent = nullptr);

    // The native path of the photo on view; empty while there is none.
    QString photo() const { return m_photo; }

signals:
    void photoShown(const QString &photo);
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showNext();
    void showPhoto(qsizetype index);
    void endOn(bool mouse);

    SaverPlan m_plan;
    SaverMode m_mode;
    PhotoBox *m_box;
    QLabel *m_why;
    PhotoLoader *m_loader;
    QTimer m_timer;
    qsizetype m_shown = -1;
    QString m_photo;
    std::optional<QPoint> m_firstMouse;
};

} // namespace gallerion
