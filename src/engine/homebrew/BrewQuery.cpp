#include "engine/homebrew/BrewQuery.h"

#include "engine/OperationCoordinator.h"
#include "engine/ProcessExit.h"
#include "engine/ProcessGroup.h"
#include "engine/homebrew/BrewRunner.h"

#include <QProcess>
#include <QTimer>

#include <csignal>

using namespace Qt::StringLiterals;

QCoro::Task<Outcome<QByteArray>> BrewQuery::run(
    QString brew, QStringList args, int timeoutMs, QPointer<OperationCoordinator> coordinator)
{
    const QString command = u"brew "_s + args.value(0);
    if (coordinator && coordinator->isStopping())
        co_return Outcome<QByteArray>::failure(
            { EngineError::Domain::Brew, EngineError::Stopped, command + u" was not run: Orvando is quitting."_s });
    QProcess process;
    process.setProcessEnvironment(BrewRunner::environment(brew));
    process.setStandardInputFile(QProcess::nullDevice());

    if (coordinator)
        coordinator->trackProcess(&process);
    else
        ProcessGroup::startInOwnGroup(&process);
    bool stopped = false;
    QTimer::singleShot(timeoutMs, &process, [&process, &stopped] {
        stopped = true;
        ProcessGroup::signal(process.processId(), SIGKILL, true);
    });
    process.start(brew, args);
    const int status = co_await ProcessExit::wait(&process);

    if (status == -1)
        co_return Outcome<QByteArray>::failure({ EngineError::Domain::Brew, EngineError::NotStarted,
            command + u" could not be started: "_s + process.errorString() + u'.' });
    if (stopped)
        co_return Outcome<QByteArray>::failure({ EngineError::Domain::Brew, EngineError::Stopped,
            command + u" did not answer within %1 seconds."_s.arg(timeoutMs / 1000) });
    if (status != 0) {
        // brew's own first line says why ("Error: Cask 'x' is unavailable…").
        const QString why = QString::fromUtf8(process.readAllStandardError()).trimmed().section(u'\n', 0, 0);
        co_return Outcome<QByteArray>::failure({ EngineError::Domain::Brew, status,
            command + u" failed (code %1)"_s.arg(status) + (why.isEmpty() ? u"."_s : u": "_s + why) });
    }
    co_return Outcome<QByteArray>::success(process.readAllStandardOutput());
}
