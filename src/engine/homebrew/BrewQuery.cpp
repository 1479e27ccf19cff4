#include "engine/homebrew/BrewQuery.h"

#include "engine/OperationCoordinator.h"
#include "engine/ProcessExit.h"
#include "engine/ProcessGroup.h"
#include "engine/homebrew/BrewRunner.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include <csignal>

using namespace Qt::StringLiterals;

QCoro::Task<Outcome<QByteArray>> BrewQuery::run(
    QString brew, QStringList args, int timeoutMs, QPointer<OperationCoordinator> coordinator)
{
    const QString command = u"brew "_s + args.value(0);
    if (coordinator && coordinator->isStopping())
        co_return Outcome<QByteArray>::failure({ EngineError::Domain::Brew, EngineError::Stopped,
            //: %1 is a command, such as brew info
            QCoreApplication::translate("BrewQuery", "%1 was not run: Orvando is quitting.").arg(command) });
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
            //: %1 is a command, such as brew info; %2 the system's reason
            QCoreApplication::translate("BrewQuery", "%1 could not be started: %2.")
                .arg(command, process.errorString()) });
    if (stopped) {
        const int seconds = timeoutMs / 1000;
        //: %1 is a command, such as brew info
        const QString sentence
            = QCoreApplication::translate("BrewQuery", "%1 did not answer within %n seconds.", nullptr, seconds);
        co_return Outcome<QByteArray>::failure(
            { EngineError::Domain::Brew, EngineError::Stopped, sentence.arg(command) });
    }
    if (status != 0) {
        // brew's own first line says why ("Error: Cask 'x' is unavailable…").
        const QString why = QString::fromUtf8(process.readAllStandardError()).trimmed().section(u'\n', 0, 0);
        const QString code = QString::number(status);
        QString sentence;
        if (why.isEmpty())
            //: %1 is a command, such as brew info; %2 its exit code
            sentence = QCoreApplication::translate("BrewQuery", "%1 failed (code %2).").arg(command, code);
        else
            //: %1 is a command, such as brew info; %2 its exit code; %3 brew's own message
            sentence = QCoreApplication::translate("BrewQuery", "%1 failed (code %2): %3").arg(command, code, why);
        co_return Outcome<QByteArray>::failure({ EngineError::Domain::Brew, status, sentence });
    }
    co_return Outcome<QByteArray>::success(process.readAllStandardOutput());
}
