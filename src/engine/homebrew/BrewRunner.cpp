#include "engine/homebrew/BrewRunner.h"

#include "engine/OperationCoordinator.h"
#include "engine/ProcessExit.h"
#include "engine/homebrew/BrewNetwork.h"
#include "engine/homebrew/LineSplitter.h"
#include "platform/UserDefaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// Exists, is a file (not a folder) and this user may run it.
bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString notFinished()
{
    return QCoreApplication::translate("BrewRunner", "Install did not finish. You can try again.");
}

} // namespace

std::optional<QString> BrewRunner::resolveBinary(const Environment &env)
{
    for (const QString &candidate : env.brewCandidates) {
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

QString BrewRunner::prefix(const QString &brewBinary)
{
    return QFileInfo(QFileInfo(brewBinary).absolutePath()).absolutePath();
}

QProcessEnvironment BrewRunner::environment(
    const QString &brewBinary, const QString &helperDir, const std::optional<QString> &appName)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOMEBREW_PREFIX"_s, prefix(brewBinary));
    env.insert(u"HOMEBREW_NO_AUTO_UPDATE"_s, u"1"_s);
    env.insert(u"HOMEBREW_NO_ANALYTICS"_s, u"1"_s);
    env.insert(u"HOMEBREW_NO_ENV_HINTS"_s, u"1"_s);
    // Without a terminal, sudo inside a cask can only ask for the password through a helper.
    if (!helperDir.isEmpty()) {
        const QString askpass = QDir(helperDir).absoluteFilePath(u"orvando-askpass"_s);
        if (isExecutableFile(askpass))
            env.insert(u"SUDO_ASKPASS"_s, askpass);
    }
    if (appName)
        env.insert(u"ORVANDO_ASKPASS_FOR"_s, *appName);
    BrewNetwork::apply(env, UserDefaults::standard(), BrewNetwork::systemProxy());
    return env;
}

QCoro::Task<BrewResult> BrewRunner::run(QString brewBinary, QStringList args, QProcessEnvironment environment,
    OperationCoordinator *coordinator, QString appID, LinesHandler onLines)
{
    if (!appID.isEmpty() && coordinator->isCancelled(appID))
        co_return BrewResult::failure(
            EngineError::install(EngineError::Stopped, QCoreApplication::translate("BrewRunner", "Cancelled.")));

    QProcess process;
    process.setProgram(brewBinary);
    process.setArguments(args);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    // A quit stops brew rather than leaving it cut off at an unknown step.
    coordinator->trackProcess(&process, appID);

    // Lines are cut and delivered here, on the main thread, as the output arrives; the rest is
    // flushed once the process has ended, so everything it printed comes before the result.
    LineSplitter splitter;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
        [&] { onLines(splitter.feed(process.readAllStandardOutput())); });

    process.start();
    const int status = co_await ProcessExit::wait(&process);
    if (process.error() == QProcess::FailedToStart)
        co_return BrewResult::failure(
            EngineError { EngineError::Domain::System, EngineError::NotStarted, process.errorString() });

    onLines(splitter.feed(process.readAllStandardOutput()));
    onLines(splitter.finish());

    if (status != 0)
        co_return BrewResult::failure(EngineError::install(status, notFinished()));
    co_return BrewResult::success();
}
