#include "browser/picturebox.h"

#include <QImageReader>
#include <QMouseEvent>

namespace gallerion {

PictureBox::PictureBox(QWidget *parent, Fit fit) : QLabel(parent), m_fit(fit)
{
    setMargin(0);
    setFrameStyle(QFrame::NoFrame);
    setScaledContents(true);
}

bool PictureBox::loadPicture(const QString &nativePath, const QString &programPath)
{
    QImageReader reader(nativePath);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    showPicture(QPixmap::fromImage(image), programPath);
    return true;
}

void PictureBox::showPicture(const QPixmap &picture, const QString &programPath)
{
    setPixmap(picture);
    m_picturePath = programPath;
    m_naturalSize = picture.size();
    if (m_fit == Fit::Natural)
        resize(picture.size());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_leftDown = event->button() == Qt::LeftButton;
    emit pressed(event->button());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_leftDown && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_leftDown = false;
    if (click)
        emit clicked();
}

} // namespace gallerion
