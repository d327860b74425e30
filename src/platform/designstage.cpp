#include "platform/designstage.h"

#include <algorithm>
#include <cmath>

namespace gallerion {

double fitScale(const QSize &design, const QSize &area)
{
    if (design.isEmpty() || area.isEmpty())
        return 1.0;
    return std::min(double(area.width()) / design.width(), double(area.height()) / design.height());
}

QRect scaledRect(const QRect &design, double scale)
{
    const auto at = [scale](int value) { return int(std::lround(value * scale)); };
    const int left = at(design.left());
    const int top = at(design.top());
    return QRect(left, top, at(design.left() + design.width()) - left,
                 at(design.top() + design.height()) - top);
}

DesignStage::DesignStage(const QSize &designSize, QWidget *parent)
    : QWidget(parent), m_designSize(designSize), m_font(font())
{
    resize(designSize);
}

void DesignStage::setScale(double scale)
{
    if (scale <= 0)
        return;
    m_scale = scale;
    resize(scaledRect(QRect(QPoint(0, 0), m_designSize), scale).size());
    QWidget::setFont(scaledFont(m_font));
    for (auto it = m_fonts.cbegin(); it != m_fonts.cend(); ++it)
        applyFont(const_cast<QWidget *>(it.key()), it.value());
    for (auto it = m_placed.cbegin(); it != m_placed.cend(); ++it)
        apply(const_cast<QWidget *>(it.key()));
    emit scaleChanged(scale);
}

// Forgets a control when it goes, so a later control at its address starts afresh.
void DesignStage::track(QWidget *control)
{
    if (m_placed.contains(control) || m_fonts.contains(control))
        return;
    connect(control, &QObject::destroyed, this, [this, control] {
        m_placed.remove(control);
        m_fonts.remove(control);
    });
}

void DesignStage::place(QWidget *control, const QRect &design)
{
    track(control);
    m_placed.insert(control, design);
    apply(control);
}

void DesignStage::moveTo(QWidget *control, const QPoint &design)
{
    place(control, QRect(design, designGeometry(control).size()));
}

void DesignStage::resizeTo(QWidget *control, const QSize &design)
{
    place(control, QRect(designGeometry(control).topLeft(), design));
}

QRect DesignStage::designGeometry(const QWidget *control) const
{
    if (const auto it = m_placed.constFind(control); it != m_placed.cend())
        return *it;
    const QRect real = control->geometry();
    const auto back = [this](int value) { return int(std::lround(value / m_scale)); };
    return QRect(back(real.left()), back(real.top()), back(real.width()), back(real.height()));
}

void DesignStage::setDesignFont(const QFont &font)
{
    m_font = font;
    QWidget::setFont(scaledFont(font));
}

void DesignStage::setDesignFont(QWidget *control, const QFont &font)
{
    track(control);
    m_fonts.insert(control, font);
    applyFont(control, font);
}

void DesignStage::apply(QWidget *control)
{
    control->setGeometry(scaledRect(m_placed.value(control), m_scale));
}

void DesignStage::applyFont(QWidget *control, const QFont &design)
{
    control->setFont(scaledFont(design));
}

QFont DesignStage::scaledFont(const QFont &design) const
{
    QFont scaled = design;
    if (design.pixelSize() > 0)
        scaled.setPixelSize(std::max(1, int(std::lround(design.pixelSize() * m_scale))));
    else if (design.pointSizeF() > 0)
        scaled.setPointSizeF(design.pointSizeF() * m_scale);
    return scaled;
}

} // namespace gallerion
