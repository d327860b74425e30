#pragma once

#include <QObject>

class QScrollBar;

namespace gallerion {

class MultimediaDevice;

// HScroll1 under the film: it follows the film's position while it plays and
// moves the film when the user moves it. The bar's unit is the millisecond.
class FilmPositionBar : public QObject
{
    Q_OBJECT
public:
    FilmPositionBar(QScrollBar *bar, MultimediaDevice *device);

    // Takes the length and position of the film now open, or of none.
    void reset();

private:
    void setLength(qint64 duration);
    void follow(qint64 position);
    void userMoved(int value);

    QScrollBar *m_bar;
    MultimediaDevice *m_device;
    bool m_following = false;
};

} // namespace gallerion
