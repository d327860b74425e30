#pragma once

#include <Qt>

class QWidget;

namespace gallerion {

// The desktop's task bar. Linux desktops offer no portable way to find and
// hide their panels, so hiding them means giving a window the whole screen,
// which covers the panels on every desktop; showing them gives the window its
// former state back.
class Taskbar
{
public:
    void hide(QWidget &window);
    // Does nothing to a window that already left the whole screen.
    void show(QWidget &window);

private:
    Qt::WindowStates m_before;
};

} // namespace gallerion
