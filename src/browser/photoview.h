#pragma once

#include <QImage>
#include <QWidget>

namespace gallerion {

class PhotoLoader;

// Image4: shows one photo scaled into its box, keeping its proportions. Photos
// come from the loader, which may have decoded them ahead.
class PhotoView : public QWidget
{
    Q_OBJECT
public:
    PhotoView(PhotoLoader &loader, QWidget *parent);

    // Shows the photo at the box's size; false when it cannot be read.
    bool loadPhoto(const QString &nativePath);
    // Has the loader decode these ahead for this box.
    void preload(const QStringList &nativePaths);
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
    QSize decodeBox() const;

    PhotoLoader &m_loader;
    QString m_path;
    QImage m_image;
};

} // namespace gallerion
