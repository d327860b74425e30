#pragma once

#include "widgets/photobox.h"

namespace gallerion {

class PhotoLoader;

// Image4: the photo of the open entry. Photos come from the loader, which may
// have decoded them ahead.
class PhotoView : public PhotoBox
{
    Q_OBJECT
public:
    PhotoView(PhotoLoader &loader, QWidget *parent);

    // Shows the photo at the box's size; false when it cannot be read.
    bool loadPhoto(const QString &nativePath);
    // Has the loader decode these ahead for this box.
    void preload(const QStringList &nativePaths);
    void clear();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    PhotoLoader &m_loader;
    QString m_path;
};

} // namespace gallerion
