#include "platform/taskbar.h"

#include "platform/trace.h"

#include <QWidget>

namespace gallerion {

namespace {
void traceTaskbar(const char *action)
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("taskbar")},
                  {QStringLiteral("action"), QLatin1String(action)}});
}
} // namespace

void Taskbar::hide(QWidget &window)
{
    if (!window.isFullScreen())
        m_before = window.windowState();
    window.setWindowState((m_before & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    traceTaskbar("hide");
}

void Taskbar::show(QWidget &window)
{
    if (window.isFullScreen())
        window.setWindowState(m_before & ~Qt::WindowFullScreen);
    traceTaskbar("show");
}

} // namespace gallerion
