// Strokewheel - mouse gestures for CAD drawing views.
// Termination signals as an exit of the event loop.
#include "app/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

int TerminationSignals::s_pipe[2] = {-1, -1};

namespace {
const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
}

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::quit);
    struct sigaction action = {};
    action.sa_handler = &TerminationSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    for (int &fd : s_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::handle(int signal)
{
    // Only async-signal-safe calls here: the rest happens in the event loop.
    const unsigned char number = static_cast<unsigned char>(signal);
    const ssize_t written = ::write(s_pipe[1], &number, 1);
    (void)written;
}

void TerminationSignals::quit()
{
    unsigned char number = 0;
    if (::read(s_pipe[0], &number, 1) != 1)
        return;
    // The shell's convention for a death by signal, while still saving on the way out.
    QCoreApplication::exit(128 + number);
}
