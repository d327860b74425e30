#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace gallerion {

// Writes {"kind":"window","name":...,"event":"painted"} to the trace when the window is
// first drawn: the moment the user sees it, which tools and benchmarks time.
class FirstPaintTrace : public QObject
{
    Q_OBJECT
public:
    // Watches window, which owns this.
    static void watch(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FirstPaintTrace(QWidget *window);
};

} // namespace gallerion
