#include "slideshow/slideclock.h"

#include <QLocale>

namespace gallerion {

ClockCaptions clockCaptions(const QDateTime &now)
{
    // The captions are the program's own, in its own language, whatever the user's locale.
    const QLocale c = QLocale::c();
    return {c.toString(now.time(), QStringLiteral("hh:mm:ss ap")),
            c.toString(now.date(), QStringLiteral("MM/dd/yy")),
            c.toString(now.date(), QStringLiteral("dddd"))};
}

int msUntilNextSecond(const QTime &now)
{
    return 1000 - now.msec();
}

} // namespace gallerion
