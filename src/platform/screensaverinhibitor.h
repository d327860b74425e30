#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QDBusPendingCallWatcher;

namespace gallerion {

// Holds off the desktop's screen saver and screen blanking while something
// plays, through the freedesktop screen-saver service on the session bus.
// Without a session bus or the service nothing happens and nothing fails.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT
public:
    explicit ScreenSaverInhibitor(const QString &reason, QObject *parent = nullptr);
    // Releases what is held.
    ~ScreenSaverInhibitor() override;

    void inhibit();
    void release();
    bool isInhibiting() const { return m_state != State::Idle; }

private:
    enum class State
    {
        Idle,
        Asking,  // the request is on its way; no cookie yet
        Holding, // the service gave this cookie
    };

    void answered(QDBusPendingCallWatcher *watcher);
    void granted(uint cookie);
    void sendRelease(uint cookie);

    QString m_reason;
    State m_state = State::Idle;
    QPointer<QDBusPendingCallWatcher> m_asking;
    bool m_releaseWhenGranted = false;
    uint m_cookie = 0;
};

} // namespace gallerion
