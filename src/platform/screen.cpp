#include "platform/screen.h"

#include "platform/twips.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace gallerion {

QSize parseScreenSize(const QString &text)
{
    const QStringList parts =
        text.trimmed().split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2)
        return {};
    bool okWidth = false;
    bool okHeight = false;
    const int width = parts.at(0).toInt(&okWidth);
    const int height = parts.at(1).toInt(&okHeight);
    if (!okWidth || !okHeight || width <= 0 || height <= 0)
        return {};
    return {width, height};
}

QSize Screen::pixels() const
{
    const QSize forced = parseScreenSize(qEnvironmentVariable("GALLERION_SCREEN"));
    if (forced.isValid())
        return forced;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(800, 600);
}

QSize Screen::twips() const
{
    const QSize size = pixels();
    return {pixelsToTwips(size.width()), pixelsToTwips(size.height())};
}

bool Screen::scalingEnabled() const
{
    return qEnvironmentVariable("GALLERION_SCALE").trimmed() != QLatin1String("1");
}

void Screen::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace gallerion
