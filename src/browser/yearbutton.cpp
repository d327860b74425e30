#include "browser/yearbutton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace gallerion {

YearButton::YearButton(int index, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent), m_index(index)
{
    setObjectName(QStringLiteral("cmdYR(%1)").arg(index));
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

void YearButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Comma:
        emit keyCode(188);
        return;
    case Qt::Key_Period:
        emit keyCode(190);
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

void YearButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Styles draw the focus frame only once the keyboard has moved the focus.
    if (hasFocus())
        option.state |= QStyle::State_KeyboardFocusChange;
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace gallerion
