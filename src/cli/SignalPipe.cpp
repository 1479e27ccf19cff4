#include "cli/SignalPipe.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

int s_pipe[2] = { -1, -1 };
constexpr int handled[3] = { SIGINT, SIGTERM, SIGHUP };

void onSignal(int number)
{
    // Only async-signal-safe calls here; a full pipe just drops the repeat.
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SignalPipe::SignalPipe(QObject *parent)
    : QObject(parent)
{
    if (::pipe(s_pipe) != 0)
        return;
    for (const int fd : s_pipe) {
        // Not inherited by brew, and never blocking the handler or the reader.
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(s_pipe[0], &byte, 1) == 1)
            Q_EMIT received(byte);
    });
    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) {
        ::sigaction(handled[i], nullptr, &m_previous[i]);
        // brew runs in a group of its own, which a closed terminal's SIGHUP no longer reaches; under
        // nohup it stays ignored.
        if (handled[i] != SIGHUP || m_previous[i].sa_handler != SIG_IGN)
            ::sigaction(handled[i], &action, nullptr);
    }
}

SignalPipe::~SignalPipe()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(handled[i], &m_previous[i], nullptr);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}
