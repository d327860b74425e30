#pragma once

#include <QWidget>

namespace gallerion {

// Two arrow buttons, one above the other, that step through something.
class SpinButton : public QWidget
{
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent = nullptr);

signals:
    void spinUp();
    void spinDown();
};

} // namespace gallerion
