#pragma once

#include "platform/discimage/imageentry.h"
#include "platform/discimage/sectorreader.h"

#include <QIODevice>

namespace gallerion {

// One file inside an image as a random-access, read-only device with its
// own handle on the image, so devices may be read on different threads.
class ImageFileDevice : public QIODevice
{
    Q_OBJECT
public:
    ImageFileDevice(const SectorLayout &layout, QList<ImageExtent> extents, qint64 size,
                    QObject *parent = nullptr);

    bool open(OpenMode mode) override;
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_size; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    SectorReader m_reader;
    QList<ImageExtent> m_extents;
    qint64 m_size;
};

} // namespace gallerion
