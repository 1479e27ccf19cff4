#pragma once

#include <QCoroTask>

class QProcess;

// Waiting, without blocking, for a started child process to end.
namespace ProcessExit {

// Resumes once the process has ended and gives its exit status: -1 when it could not be started
// (QProcess then reports only an error, never finished) and 128 + the signal number when a signal
// ended it. Resumes from the event loop, never inside one of the process's own signals, so the
// caller may destroy the process right away.
QCoro::Task<int> wait(QProcess *process);

} // namespace ProcessExit
