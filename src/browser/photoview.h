#pragma once

#include <QImage>
#include <QWidget>

namespace gallerion {

// Image4: shows one photo scaled into its box, keeping its proportions.
class PhotoView : public QWidget
{
    Q_OBJECT
public:
    explicit PhotoView(QWidget *parent = nullptr);

    // Reads the photo at the box's size; false when it cannot be read.
    bool loadPhoto(const QString &nativePath);
    void clear();
    // The photo as shown, for the clipboard.
    const QImage &image() const { return m_image; }

signals:
    void pressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_path;
    QImage m_image;
};

} // namespace gallerion
