#include "widgets/spinbutton.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace gallerion {

SpinButton::SpinButton(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto addArrow = [&](Qt::ArrowType arrow, const QString &name) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
        return button;
    };
    connect(addArrow(Qt::UpArrow, QStringLiteral("Up")), &QToolButton::clicked, this,
            &SpinButton::spinUp);
    connect(addArrow(Qt::DownArrow, QStringLiteral("Down")), &QToolButton::clicked, this,
            &SpinButton::spinDown);
}

} // namespace gallerion
