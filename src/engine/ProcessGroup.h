#pragma once

#include <QtGlobal>

class QProcess;

// A child process started as the leader of a process group of its own, so that a stop reaches
// everything it started (brew's download, `sudo installer`, a silent step) and not only itself.
namespace ProcessGroup {

// Call before the process starts. Also leaves its group out of the terminal's job control: a read
// of the terminal fails instead of stopping the whole group for good.
void startInOwnGroup(QProcess *process);

// Sends signalNumber to every process of the group led by pid. A leader that still runs may not
// have made its group yet (it has only just started): then it alone gets the signal. Once the
// leader has ended, only the group is signalled, never a process that may since have taken its id.
void signal(qint64 pid, int signalNumber, bool leaderRunning);

} // namespace ProcessGroup
