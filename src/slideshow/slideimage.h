#pragma once

#include <QImage>
#include <QWidget>

namespace gallerion {

// Image1: the slide, scaled into the box with its proportions kept.
class SlideImage : public QWidget
{
    Q_OBJECT
public:
    explicit SlideImage(QWidget *parent);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }
    // The box in device pixels, which the photos are decoded for.
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
