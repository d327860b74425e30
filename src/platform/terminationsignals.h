#pragma once

#include <QObject>

class QSocketNotifier;

namespace gallerion {

// Turns SIGTERM and SIGINT into a signal on the interface thread, so that the program ends
// as when the user closes it. The system's own handling returns when this goes.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void readPending();

    int m_fds[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace gallerion
