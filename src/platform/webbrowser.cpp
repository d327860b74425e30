#include "platform/webbrowser.h"

#include "platform/trace.h"

#include <QDesktopServices>
#include <QUrl>

namespace gallerion {

bool WebBrowser::open(const QUrl &url)
{
    trace::write(
        {{QStringLiteral("kind"), QStringLiteral("url")}, {QStringLiteral("url"), url.toString()}});
    return openInSystem(url);
}

bool WebBrowser::openInSystem(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace gallerion
