#pragma once

#include <QObject>

class QMimeData;
class QWidget;

namespace gallerion {

class Platform;
class ProgramState;

// File > Open Disc Image… and an image dropped on the main window: the image
// takes the disc's place in its drive, as a new disc would, the photo list is
// read from it, and it is remembered for the next start. An image that holds
// no photos changes nothing.
class DiscImageOpener : public QObject
{
    Q_OBJECT
public:
    DiscImageOpener(QWidget &window, ProgramState &state, Platform &platform);

    // Asks for an image with the file dialog, in the folder of the last one.
    void choose();
    bool open(const QString &imagePath);
    // The image file a drag brings, or empty.
    static QString imageOf(const QMimeData *data);

private:
    QChar discLetter() const;
    void refuse(const QString &imagePath, const QString &reason);

    QWidget &m_window;
    ProgramState &m_state;
    Platform &m_platform;
};

} // namespace gallerion
