#include "engine/ProcessExit.h"

#include <QProcess>

#include <coroutine>
#include <memory>

namespace {

struct Ended
{
    // Shared with the connections, which may outlive this awaiter by a queued call.
    struct Waiting
    {
        std::coroutine_handle<> handle;
        QMetaObject::Connection finished;
        QMetaObject::Connection failed;
        bool resumed = false;

        void resume()
        {
            if (resumed)
                return;
            resumed = true;
            QObject::disconnect(finished);
            QObject::disconnect(failed);
            handle.resume();
        }
    };

    QProcess *process;

    bool await_ready() const { return process->state() == QProcess::NotRunning; }
    void await_suspend(std::coroutine_handle<> handle)
    {
        auto waiting = std::make_shared<Waiting>();
        waiting->handle = handle;
        waiting->finished = QObject::connect(
            process, &QProcess::finished, process, [waiting] { waiting->resume(); }, Qt::QueuedConnection);
        waiting->failed = QObject::connect(
            process, &QProcess::errorOccurred, process,
            [waiting](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    waiting->resume();
            },
            Qt::QueuedConnection);
    }
    void await_resume() const { }
};

} // namespace

QCoro::Task<int> ProcessExit::wait(QProcess *process)
{
    if (process->state() != QProcess::NotRunning)
        co_await Ended { process };
    if (process->error() == QProcess::FailedToStart)
        co_return -1;
    // Killed by a signal is never a success, whatever exitCode() holds.
    if (process->exitStatus() == QProcess::CrashExit)
        co_return 128 + process->exitCode();
    co_return process->exitCode();
}
