#include "engine/InstallEngine.h"
#include "engine/ProcessExit.h"
#include "engine/homebrew/BrewRunner.h"
#include "engine/homebrew/LineSplitter.h"

#include <QDateTime>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

const QString notFinished = u"Install did not finish. You can try again."_s;

} // namespace

QCoro::Task<BrewResult> InstallEngine::runBrew(
    QStringList args, LineHandler onLine, std::optional<QString> appName, QString appID)
{
    // Read once: a later change of brewBinary does not touch a running command.
    const std::optional<QString> brew = m_brewBinary;
    if (!brew)
        co_return BrewResult::failure(EngineError::install(-1, u"No Homebrew found on this Mac."_s));
    if (!appID.isEmpty() && m_coordinator->isCancelled(appID))
        co_return BrewResult::failure(EngineError::install(-3, u"Cancelled."_s));

    QProcess process;
    process.setProgram(*brew);
    process.setArguments(args);
    process.setProcessEnvironment(BrewRunner::environment(*brew, m_env.helperDir, appName));
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    // A quit stops brew rather than leaving it cut off at an unknown step.
    m_coordinator->trackProcess(&process, appID);

    // Lines are cut and delivered here, on the main thread, as the output arrives; the rest is
    // flushed once the process has ended, so everything it printed comes before the result.
    const QPointer<InstallEngine> self(this);
    LineSplitter splitter;
    const auto deliver = [&](const QStringList &lines) {
        if (!self || lines.isEmpty())
            return;
        // The lines of one read reach the log's views in one update and share one time in the file.
        const InstallLog::Batch batch(m_log);
        m_readTime = QDateTime::currentMSecsSinceEpoch();
        const auto readDone = qScopeGuard([&] {
            if (self)
                m_readTime = -1;
        });
        for (const QString &line : lines) {
            if (!self)
                return;
            onLine(line);
        }
    };
    connect(&process, &QProcess::readyReadStandardOutput, &process,
        [&] { deliver(splitter.feed(process.readAllStandardOutput())); });

    process.start();
    const int status = co_await ProcessExit::wait(&process);
    if (process.error() == QProcess::FailedToStart)
        co_return BrewResult::failure(EngineError { u"system"_s, -2, process.errorString() });

    deliver(splitter.feed(process.readAllStandardOutput()));
    deliver(splitter.finish());

    if (status != 0)
        co_return BrewResult::failure(EngineError::install(status, notFinished));
    co_return BrewResult::success();
}
