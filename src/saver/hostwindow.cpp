#include "saver/hostwindow.h"
#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <optional>

// Qt's own X interface is there only where Qt was built for X.
#if defined(GALLERION_HAVE_XCB) && QT_CONFIG(xcb)
#define GALLERION_ASK_X
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace gallerion {

namespace {

// Qt does not follow the geometry of a window it did not make, so the X
// server is asked where there is one; nothing where it cannot be asked.
std::optional<QSize> sizeFromX(WId window)
{
#ifdef GALLERION_ASK_X
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return std::nullopt;
    xcb_connection_t *connection = x11->connection();
    xcb_get_geometry_reply_t *reply = xcb_get_geometry_reply(
        connection, xcb_get_geometry(connection, xcb_drawable_t(window)), nullptr);
    if (!reply)
        return QSize();
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
#else
    Q_UNUSED(window);
    return std::nullopt;
#endif
}

} // namespace

// Without X, what Qt knows of the window, or else its screen: the windows
// screen savers are given cover the screen.
QSize hostWindowSize(const QWindow &host)
{
    if (const std::optional<QSize> size = sizeFromX(host.winId()))
        return *size;
    if (!host.geometry().isEmpty())
        return host.geometry().size();
    return host.screen() ? host.screen()->size() : QSize();
}

} // namespace gallerion
