#include "browser/yearbutton.h"

#include <QKeyEvent>

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

} // namespace gallerion
