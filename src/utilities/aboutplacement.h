#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace gallerion {

// Where the about box goes: centred in an area of the main window's size at
// the screen's origin, as the program always placed it, then moved as little
// as needed to lie fully within the screen's free area.
QPoint aboutBoxPosition(const QSize &mainWindow, const QSize &own, const QRect &screen);

} // namespace gallerion
