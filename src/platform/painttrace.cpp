#include "platform/painttrace.h"

#include "platform/trace.h"

#include <QEvent>
#include <QWidget>

namespace gallerion {

FirstPaintTrace::FirstPaintTrace(QWidget *window) : QObject(window)
{
    window->installEventFilter(this);
}

void FirstPaintTrace::watch(QWidget *window)
{
    if (trace::enabled())
        new FirstPaintTrace(window);
}

bool FirstPaintTrace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        trace::write({{QStringLiteral("kind"), QStringLiteral("window")},
                      {QStringLiteral("name"), watched->objectName()},
                      {QStringLiteral("event"), QStringLiteral("painted")}});
        watched->removeEventFilter(this);
        deleteLater();
    }
    return false;
}

} // namespace gallerion
