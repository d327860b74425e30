#pragma once

#include <QStringList>

class QWidget;

namespace gallerion::test {

// Every showing object of the window's accessible tree (the window itself, its menu bar,
// controls, pictures, gauges, grouping panels) that a screen reader would announce without a
// name, each as "role objectName (class)". Empty when the window is fully named.
QStringList unnamedAccessibleObjects(QWidget *window);

} // namespace gallerion::test
