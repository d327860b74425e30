#include "platform/screensaverinhibitor.h"

#include "platform/trace.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace gallerion {

namespace {

const QString Service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString Path = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString ApplicationName = QStringLiteral("The Zarvick Gallerion 2001");

void traceInhibition(const QString &action, const QJsonValue &value)
{
    trace::write({{QStringLiteral("kind"), QStringLiteral("screensaver")},
                  {QStringLiteral("action"), action},
                  {QStringLiteral("value"), value}});
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(const QString &reason, QObject *parent)
    : QObject(parent), m_reason(reason)
{}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    // The cookie of a request still on its way is needed to give it back.
    if (m_asking) {
        m_asking->waitForFinished();
        answered(m_asking);
    }
    release();
}

void ScreenSaverInhibitor::inhibit()
{
    if (m_state != State::Idle) {
        m_releaseWhenGranted = false;
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        traceInhibition(QStringLiteral("inhibit"), QStringLiteral("no session bus"));
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Inhibit"));
    call << ApplicationName << m_reason;
    // Asked without waiting: a slow or missing service must not stall the show.
    m_asking = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    m_state = State::Asking;
    m_releaseWhenGranted = false;
    connect(m_asking, &QDBusPendingCallWatcher::finished, this, &ScreenSaverInhibitor::answered);
}

void ScreenSaverInhibitor::answered(QDBusPendingCallWatcher *watcher)
{
    if (m_state != State::Asking)
        return;
    watcher->deleteLater();
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        traceInhibition(QStringLiteral("inhibit"), reply.error().name());
        m_state = State::Idle;
        return;
    }
    granted(reply.value());
}

void ScreenSaverInhibitor::granted(uint cookie)
{
    traceInhibition(QStringLiteral("inhibit"), qint64(cookie));
    m_state = State::Holding;
    m_cookie = cookie;
    if (m_releaseWhenGranted)
        release();
}

void ScreenSaverInhibitor::release()
{
    if (m_state == State::Asking) {
        m_releaseWhenGranted = true;
        return;
    }
    if (m_state != State::Holding)
        return;
    m_state = State::Idle;
    sendRelease(m_cookie);
}

void ScreenSaverInhibitor::sendRelease(uint cookie)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("UnInhibit"));
    call << cookie;
    QDBusConnection::sessionBus().send(call);
    traceInhibition(QStringLiteral("release"), qint64(cookie));
}

} // namespace gallerion
