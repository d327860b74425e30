#pragma once

#include <QLabel>

namespace gallerion {

// A picture box: shows one picture file either at its natural size, the box
// sizing itself to the picture, or stretched over the box's own size. A box
// that a scaled layout resizes draws its picture over the whole box.
class PictureBox : public QLabel
{
    Q_OBJECT
    // The program path of the picture shown ("E:\Clipart\01clip.jpg").
    Q_PROPERTY(QString picturePath READ picturePath)
public:
    enum class Fit
    {
        Natural,
        Stretch
    };

    explicit PictureBox(QWidget *parent = nullptr, Fit fit = Fit::Natural);

    // Reads the file; when it cannot be read the box keeps what it showed.
    bool loadPicture(const QString &nativePath, const QString &programPath);
    void showPicture(const QPixmap &picture, const QString &programPath);
    const QString &picturePath() const { return m_picturePath; }
    // The picture's own size in pixels.
    QSize naturalSize() const { return m_naturalSize; }

signals:
    void pressed(Qt::MouseButton button);
    // A left press and release over the box.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Fit m_fit;
    QString m_picturePath;
    QSize m_naturalSize;
    bool m_leftDown = false;
};

} // namespace gallerion
