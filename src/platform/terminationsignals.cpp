#include "platform/terminationsignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace gallerion {

#ifdef Q_OS_UNIX
namespace {

// A signal handler can reach nothing but this: the write end of the running program's pipe.
// One program runs at a time, so one is enough.
volatile std::sig_atomic_t signalPipe = -1;
struct sigaction previousTerm;
struct sigaction previousInt;

extern "C" void onTerminationSignal(int signalNumber)
{
    const int fd = signalPipe;
    if (fd < 0)
        return;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Nothing can be done about a full pipe inside a handler; one byte already pending suffices.
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
}

void installHandler(int signalNumber, struct sigaction *previous)
{
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, previous);
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_fds) != 0)
        return;
    m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
    signalPipe = m_fds[0];
    installHandler(SIGTERM, &previousTerm);
    installHandler(SIGINT, &previousInt);
}

TerminationSignals::~TerminationSignals()
{
    if (m_fds[0] < 0)
        return;
    sigaction(SIGTERM, &previousTerm, nullptr);
    sigaction(SIGINT, &previousInt, nullptr);
    signalPipe = -1;
    delete m_notifier;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void TerminationSignals::readPending()
{
    unsigned char byte = 0;
    int last = 0;
    while (::read(m_fds[1], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        emit terminationRequested(last);
}

#else

// Windows ends a windowed program through its windows, which close as the user closes them.
TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::readPending() {}

#endif

} // namespace gallerion
