#pragma once

#include <QImage>
#include <QWidget>

namespace gallerion {

// A box that shows one photo scaled into it with its proportions kept, on
// black. Photos are meant to be decoded for decodeBox(), so painting them is
// a plain copy.
class PhotoBox : public QWidget
{
    Q_OBJECT
public:
    explicit PhotoBox(QWidget *parent);

    void setImage(const QImage &image);
    void clear();
    // The photo as shown, for the clipboard.
    const QImage &image() const { return m_image; }
    // The box in device pixels: on a high-density screen photos are decoded
    // for every pixel the screen has, not scaled up from the logical size.
    QSize decodeBox() const;

signals:
    void pressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_image;
};

} // namespace gallerion
