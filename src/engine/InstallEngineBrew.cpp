#include "engine/InstallEngine.h"
#include "engine/LineSplitter.h"

#include <QCoroProcess>
#include <QCoroSignal>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

// Exists, is a file (not a folder) and this user may run it. brew itself is never run to test it.
bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

const QString notFinished = u"Install did not finish. You can try again."_s;

// Resumes once the process has left the Starting state: it runs, or it could not start (which
// QProcess reports only as an error, never as finished). Queued, so the coroutine never goes on
// inside QProcess's own signal.
struct StartSettled
{
    QProcess *process;
    QMetaObject::Connection connection;

    bool await_ready() const { return process->state() != QProcess::Starting; }
    void await_suspend(std::coroutine_handle<> waiting)
    {
        connection = QObject::connect(
            process, &QProcess::stateChanged, process,
            [this, waiting] {
                if (process->state() == QProcess::Starting)
                    return;
                QObject::disconnect(connection);
                waiting.resume();
            },
            Qt::QueuedConnection);
    }
    void await_resume() const { }
};

} // namespace

std::optional<QString> InstallEngine::resolveBrewBinary(const Environment &env)
{
    for (const QString &candidate : env.brewCandidates) {
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

QString InstallEngine::brewPrefix(const QString &brewBinary)
{
    return QFileInfo(QFileInfo(brewBinary).absolutePath()).absolutePath();
}

QProcessEnvironment InstallEngine::brewEnvironment(const QString &brew, const std::optional<QString> &appName) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOMEBREW_PREFIX"_s, brewPrefix(brew));
    env.insert(u"HOMEBREW_NO_AUTO_UPDATE"_s, u"1"_s);
    env.insert(u"HOMEBREW_NO_ANALYTICS"_s, u"1"_s);
    env.insert(u"HOMEBREW_NO_ENV_HINTS"_s, u"1"_s);
    // Without a terminal, sudo inside a cask can only ask for the password through a helper.
    if (!m_env.helperDir.isEmpty()) {
        const QString askpass = QDir(m_env.helperDir).absoluteFilePath(u"orvando-askpass"_s);
        if (isExecutableFile(askpass))
            env.insert(u"SUDO_ASKPASS"_s, askpass);
    }
    if (appName)
        env.insert(u"ORVANDO_ASKPASS_FOR"_s, *appName);
    return env;
}

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
    process.setProcessEnvironment(brewEnvironment(*brew, appName));
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
    co_await StartSettled { &process, {} };
    if (process.error() == QProcess::FailedToStart)
        co_return BrewResult::failure(EngineError { u"system"_s, -2, process.errorString() });
    if (process.state() != QProcess::NotRunning)
        co_await qCoro(&process, &QProcess::finished);

    deliver(splitter.feed(process.readAllStandardOutput()));
    deliver(splitter.finish());

    // Killed by a signal is never a success, whatever exitCode() holds.
    if (process.exitStatus() == QProcess::CrashExit)
        co_return BrewResult::failure(EngineError::install(128 + process.exitCode(), notFinished));
    if (process.exitCode() != 0)
        co_return BrewResult::failure(EngineError::install(process.exitCode(), notFinished));
    co_return BrewResult::success();
}
