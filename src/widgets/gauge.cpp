#include "widgets/gauge.h"

#include <cmath>

namespace gallerion {

namespace {
// Steps of the bar per percent, so that a large file's bar moves smoothly.
constexpr int StepsPerPercent = 10;
} // namespace

int gaugeCaption(double fill)
{
    return int(std::lround(fill));
}

Gauge::Gauge(QWidget *parent) : QProgressBar(parent)
{
    setRange(0, 100 * StepsPerPercent);
    setAlignment(Qt::AlignCenter);
    setTextVisible(true);
    setFill(0.0);
}

void Gauge::setFill(double fill)
{
    m_fill = fill;
    setValue(int(std::lround(fill * StepsPerPercent)));
    setFormat(QString::number(gaugeCaption(fill)));
}

} // namespace gallerion
