#include "media/filmpositionbar.h"

#include "platform/media/multimediadevice.h"

#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace gallerion {

namespace {
// One arrow click moves the film a second; a click beside the thumb a tenth.
constexpr int ArrowStepMs = 1000;
constexpr int PageParts = 10;
} // namespace

FilmPositionBar::FilmPositionBar(QScrollBar *bar, MultimediaDevice *device)
    : QObject(bar), m_bar(bar), m_device(device)
{
    m_bar->setSingleStep(ArrowStepMs);
    // The length is known once the film is open.
    connect(device, &MultimediaDevice::opened, this, &FilmPositionBar::reset);
    connect(device, &MultimediaDevice::durationChanged, this, &FilmPositionBar::setLength);
    connect(device, &MultimediaDevice::positionChanged, this, &FilmPositionBar::follow);
    connect(bar, &QScrollBar::valueChanged, this, &FilmPositionBar::userMoved);
    reset();
}

void FilmPositionBar::reset()
{
    setLength(m_device->duration());
    follow(m_device->position());
}

void FilmPositionBar::setLength(qint64 duration)
{
    const int length = int(std::clamp<qint64>(duration, 0, std::numeric_limits<int>::max()));
    m_following = true;
    m_bar->setRange(0, length);
    m_bar->setPageStep(qMax(ArrowStepMs, length / PageParts));
    m_following = false;
    m_bar->setEnabled(length > 0);
}

// While the user holds the thumb, the film follows the bar, not the other way.
void FilmPositionBar::follow(qint64 position)
{
    if (m_bar->isSliderDown())
        return;
    m_following = true;
    m_bar->setValue(int(qMin<qint64>(position, m_bar->maximum())));
    m_following = false;
}

void FilmPositionBar::userMoved(int value)
{
    if (!m_following)
        m_device->seek(value);
}

} // namespace gallerion
