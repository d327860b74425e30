#pragma once

#include <QObject>

class QWidget;

namespace gallerion {

// Tells when a window is first drawn: the moment the user sees it. Writes
// {"kind":"window","name":...,"event":"painted"} to the trace then, which tools and benchmarks
// time, and goes.
class FirstPaintWatch : public QObject
{
    Q_OBJECT
public:
    // Watches window, which owns the watch.
    static FirstPaintWatch *watch(QWidget *window);

signals:
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FirstPaintWatch(QWidget *window);

    QWidget *m_window;
    bool m_done = false;
};

} // namespace gallerion
