#pragma once

namespace gallerion {

// The desktop's task bar. Desktops here offer no portable way to hide the
// panel, so hiding is recorded and traced, and showing undoes it.
class Taskbar
{
public:
    void setVisible(bool visible);
    bool isVisible() const { return m_visible; }

private:
    bool m_visible = true;
};

} // namespace gallerion
