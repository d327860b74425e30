#include "platform/displaycheck.h"

#include <QList>
#include <QtGlobal>

namespace gallerion {

DisplayEnvironment DisplayEnvironment::fromProcess()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")};
}

QString missingDisplayReason(const DisplayEnvironment &environment)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QByteArray plugin = environment.platform.split(':').first().trimmed();
    // Several plugins may be listed; the first that works is taken.
    for (const QByteArray &name : plugin.split(';')) {
        if (name.isEmpty()) {
            if (!environment.x11Display.isEmpty() || !environment.waylandDisplay.isEmpty())
                return {};
        } else if (name == "xcb") {
            if (!environment.x11Display.isEmpty())
                return {};
        } else if (name.startsWith("wayland")) {
            if (!environment.waylandDisplay.isEmpty())
                return {};
        } else {
            // offscreen, vnc, eglfs, linuxfb ... need no display server.
            return {};
        }
    }
    if (plugin.startsWith("wayland"))
        return QStringLiteral("no Wayland display was found (WAYLAND_DISPLAY is not set)");
    return QStringLiteral("no display was found (DISPLAY is not set)");
#else
    Q_UNUSED(environment);
    return {};
#endif
}

} // namespace gallerion
