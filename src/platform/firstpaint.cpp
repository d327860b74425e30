#include "platform/firstpaint.h"

#include "platform/trace.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace gallerion {

// A window covered by its controls gets no paint event of its own, so every widget's is
// watched, for as long as it takes the window to be drawn once.
FirstPaintWatch::FirstPaintWatch(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

FirstPaintWatch *FirstPaintWatch::watch(QWidget *window)
{
    return new FirstPaintWatch(window);
}

bool FirstPaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (m_done || event->type() != QEvent::Paint)
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    m_done = true;
    qApp->removeEventFilter(this);
    trace::write({{QStringLiteral("kind"), QStringLiteral("window")},
                  {QStringLiteral("name"), m_window->objectName()},
                  {QStringLiteral("event"), QStringLiteral("painted")}});
    emit painted();
    deleteLater();
    return false;
}

} // namespace gallerion
