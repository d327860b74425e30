#pragma once

#include <QProgressBar>

namespace gallerion {

// The whole-number caption a gauge shows for its fill.
int gaugeCaption(double fill);

// A gauge panel: a fill percentage (0 to 100) with the whole-number value as
// its caption, which `text` reads back.
class Gauge : public QProgressBar
{
    Q_OBJECT
    Q_PROPERTY(double fill READ fill)

public:
    explicit Gauge(QWidget *parent);

    double fill() const { return m_fill; }
    void setFill(double fill);

private:
    double m_fill = 0.0;
};

} // namespace gallerion
