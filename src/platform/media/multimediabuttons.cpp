// The transport button row of the multimedia device.
#include "platform/media/multimediadevice.h"

#include <QHBoxLayout>
#include <QMetaEnum>
#include <QPainter>
#include <QToolButton>

namespace gallerion {

namespace {

constexpr int GlyphSize = 16;

QPolygonF triangle(qreal left, qreal right, bool pointsRight)
{
    const qreal tip = pointsRight ? right : left;
    const qreal base = pointsRight ? left : right;
    return QPolygonF({QPointF(base, 3), QPointF(tip, 8), QPointF(base, 13)});
}

void drawGlyph(QPainter &painter, MultimediaDevice::Button button)
{
    using B = MultimediaDevice::Button;
    switch (button) {
    case B::Prev:
        painter.drawRect(QRectF(3, 3, 2, 10));
        painter.drawPolygon(triangle(6, 13, false));
        break;
    case B::Next:
        painter.drawPolygon(triangle(3, 10, true));
        painter.drawRect(QRectF(11, 3, 2, 10));
        break;
    case B::Play:
        painter.drawPolygon(triangle(4, 12, true));
        break;
    case B::Pause:
        painter.drawRect(QRectF(4, 3, 3, 10));
        painter.drawRect(QRectF(9, 3, 3, 10));
        break;
    case B::Back:
        painter.drawPolygon(triangle(1, 8, false));
        painter.drawPolygon(triangle(8, 15, false));
        break;
    case B::Step:
        painter.drawPolygon(triangle(1, 8, true));
        painter.drawPolygon(triangle(8, 15, true));
        break;
    case B::Stop:
        painter.drawRect(QRectF(4, 4, 8, 8));
        break;
    case B::Record:
        painter.setBrush(Qt::darkRed);
        painter.drawEllipse(QRectF(4, 4, 8, 8));
        break;
    case B::Eject:
        painter.drawPolygon(QPolygonF({QPointF(3, 9), QPointF(8, 3), QPointF(13, 9)}));
        painter.drawRect(QRectF(3, 11, 10, 2));
        break;
    }
}

QIcon glyphIcon(MultimediaDevice::Button button)
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    drawGlyph(painter, button);
    return QIcon(pixmap);
}

// What a screen reader says for each picture-only button: the action it starts.
QString actionOf(MultimediaDevice::Button button)
{
    using B = MultimediaDevice::Button;
    switch (button) {
    case B::Prev:
        return QStringLiteral("Back to the start");
    case B::Next:
        return QStringLiteral("Forward to the end");
    case B::Play:
        return QStringLiteral("Play");
    case B::Pause:
        return QStringLiteral("Pause");
    case B::Back:
        return QStringLiteral("Step back");
    case B::Step:
        return QStringLiteral("Step forward");
    case B::Stop:
        return QStringLiteral("Stop");
    case B::Record:
        return QStringLiteral("Record");
    case B::Eject:
        return QStringLiteral("Eject");
    }
    return {};
}

} // namespace

QString MultimediaDevice::buttonName(Button button)
{
    return QString::fromLatin1(QMetaEnum::fromType<Button>().valueToKey(int(button)));
}

void MultimediaDevice::createButtons()
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        const auto which = Button(i);
        auto *button = new QToolButton(this);
        button->setObjectName(buttonName(which));
        button->setToolTip(actionOf(which));
        button->setAccessibleName(actionOf(which));
        button->setIcon(glyphIcon(which));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, [this, which] { emit buttonClicked(which); });
        row->addWidget(button);
        m_buttons[i] = button;
    }
}

QToolButton *MultimediaDevice::button(Button button) const
{
    return m_buttons.at(std::size_t(button));
}

void MultimediaDevice::setButtonEnabled(Button which, bool enabled)
{
    button(which)->setEnabled(enabled);
}

bool MultimediaDevice::isButtonEnabled(Button which) const
{
    return button(which)->isEnabledTo(this);
}

void MultimediaDevice::setButtonVisible(Button which, bool visible)
{
    button(which)->setVisible(visible);
}

bool MultimediaDevice::isButtonVisible(Button which) const
{
    return !button(which)->isHidden();
}

} // namespace gallerion
