#include "widgets/designstage.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QPushButton>

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
    m_designs.removeIf([](const auto &entry) { return entry.value().control.isNull(); });
    for (const Design &design : std::as_const(m_designs))
        apply(design);
    emit scaleChanged(scale);
}

// A control's font and icon size at the time it is first placed are its design
// ones, so that every placed control scales its text, whatever font its class
// would take.
DesignStage::Design &DesignStage::designOf(QWidget *control)
{
    Design &design = m_designs[control];
    if (design.control != control) {
        QFont font = control->font();
        font.setPixelSize(std::max(1, int(std::lround(QFontInfo(font).pixelSize() / m_scale))));
        const auto *button = qobject_cast<QAbstractButton *>(control);
        const QSize icon = button ? button->iconSize() / m_scale : QSize();
        design = Design{control, std::nullopt, font, icon};
    }
    return design;
}

const DesignStage::Design *DesignStage::findDesign(const QWidget *control) const
{
    const auto it = m_designs.constFind(control);
    return it != m_designs.cend() && it->control == control ? &*it : nullptr;
}

void DesignStage::place(QWidget *control, const QRect &design)
{
    Design &entry = designOf(control);
    entry.geometry = design;
    apply(entry);
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
    if (const Design *design = findDesign(control); design && design->geometry)
        return *design->geometry;
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
    Design &entry = designOf(control);
    entry.font = font;
    apply(entry);
}

void DesignStage::apply(const Design &design)
{
    design.control->setFont(scaledFont(design.font));
    if (auto *button = qobject_cast<QAbstractButton *>(design.control.data()))
        button->setIconSize(design.iconSize * m_scale);
    if (design.geometry)
        design.control->setGeometry(scaledRect(*design.geometry, m_scale));
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

QPushButton *DesignStage::addButton(QWidget *parent, const QString &name, const QString &caption,
                                    const QRect &design)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    place(button, design);
    return button;
}

void DesignStage::placeCentredOver(QWidget *panel, const QRect &box, const QSize &size, int drop)
{
    place(panel,
          QRect(QPoint(box.left() + (box.width() - size.width()) / 2, box.top() + drop), size));
}

} // namespace gallerion
