#include "engine/ProcessGroup.h"

#include <QProcess>

#include <cerrno>
#include <csignal>
#include <unistd.h>

void ProcessGroup::startInOwnGroup(QProcess *process)
{
    // Runs in the child between fork and exec: async-signal-safe calls only.
    process->setChildProcessModifier([] {
        ::setpgid(0, 0);
        // An ignored signal stays ignored across exec, for brew's own children too.
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGTTIN, &ignore, nullptr);
        ::sigaction(SIGTTOU, &ignore, nullptr);
    });
}

void ProcessGroup::signal(qint64 pid, int signalNumber, bool leaderRunning)
{
    if (pid <= 0)
        return;
    if (::kill(-static_cast<pid_t>(pid), signalNumber) != 0 && errno == ESRCH && leaderRunning)
        ::kill(static_cast<pid_t>(pid), signalNumber);
}
