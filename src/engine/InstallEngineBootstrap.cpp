#include "engine/HomebrewSetupCommand.h"
#include "engine/InstallEngine.h"
#include "engine/ProcessExit.h"
#include "engine/SetupLogTailer.h"
#include "platform/PrivilegedRunner.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>

using namespace Qt::StringLiterals;

QCoro::Task<> InstallEngine::setUpHomebrewThenInstall(CatalogApp app)
{
    const QPointer<InstallEngine> self(this);
    setState(app.id, InstallState::installing(u"Setting up Homebrew (one-time)."_s));
    const bool ready = co_await bootstrapHomebrew(app.id);
    if (!self)
        co_return;
    if (!ready) {
        setState(app.id,
            InstallState::failed(u"Homebrew setup didn't finish. You can try again — it asks for your Mac password "
                                 u"once, then all installs are silent."_s));
        co_return;
    }
    // From the start again: this time the install finds brew.
    co_await install(app);
}

QCoro::Task<bool> InstallEngine::bootstrapHomebrew(QString triggeringAppID)
{
    // Tested and set with no suspension in between: only one setup at a time.
    if (m_bootstrapInProgress)
        co_return false;
    setBootstrapInProgress(true);
    const QString id = triggeringAppID;
    appendLog(u"==> Setting up Homebrew (one-time). macOS will ask for your password once."_s, id);

    const QPointer<InstallEngine> self(this);
    int code = -1;
    try {
        if (m_bootstrapRunnerOverride) {
            const BootstrapRunner runner = m_bootstrapRunnerOverride;
            const LineHandler sink = [self, id](const QString &line) {
                if (self)
                    self->appendLog(line, id);
            };
            code = co_await runner(id, sink);
        } else {
            code = co_await runPrivilegedHomebrewInstall(id);
        }
    } catch (...) {
        // A runner that throws is a setup that did not complete, and the flag must come down.
        code = -1;
    }
    if (!self)
        co_return false;

    if (code != 0) {
        appendLog(u"error: Homebrew setup did not complete (code "_s + QString::number(code) + u")."_s, id);
        setBootstrapInProgress(false);
        co_return false;
    }
    setBrewBinary(resolveBrewBinary(m_env));
    if (brewAvailable()) {
        appendLog(u"\U0001F37A  Homebrew is ready. From now on installs are silent."_s, id);
        setBootstrapInProgress(false);
        co_return true;
    }
    appendLog(u"error: Homebrew setup finished but brew was not found afterward."_s, id);
    setBootstrapInProgress(false);
    co_return false;
}

QString InstallEngine::bootstrapLogPath(const QString &appID) const
{
    if (m_env.tempDir.isEmpty())
        return {};
    // The id becomes part of a file name: keep it to one name inside the temporary folder.
    QString name = appID;
    name.replace(u'/', u'_');
    return QDir(m_env.tempDir).absoluteFilePath(u"orvando-brew-bootstrap-"_s + name + u".log"_s);
}

QCoro::Task<int> InstallEngine::runPrivilegedHomebrewInstall(QString appID)
{
    // Homebrew's script refuses to run as root, so where the system grants administrator rights
    // (macOS) the signed installer package is what runs with them.
    if (PrivilegedRunner::hasAdministratorPrompt())
        co_return co_await installHomebrewPackage(appID);
    co_return co_await runHomebrewInstallScript(appID);
}

QCoro::Task<int> InstallEngine::runHomebrewInstallScript(QString appID)
{
    const QUrl script = HomebrewSetupCommand::installScriptUrl(m_env.homebrewInstallHost);
    if (!script.isValid() || script.isEmpty()) {
        appendLog(u"error: No address is set for Homebrew's install script."_s, appID);
        co_return -1;
    }
    const QString command = HomebrewSetupCommand::installScriptCommand(script, bootstrapLogPath(appID));
    const QStringList arguments { u"-c"_s, command };
    co_return co_await runSetupCommand(appID, m_env.tools.sh, arguments);
}

QCoro::Task<int> InstallEngine::runSetupCommand(QString appID, QString program, QStringList arguments)
{
    const QString logPath = bootstrapLogPath(appID);
    if (logPath.isEmpty()) {
        appendLog(u"error: No private temporary folder is available for the setup."_s, appID);
        co_return -1;
    }
    QFile::remove(logPath);
    QFile(logPath).open(QIODevice::WriteOnly);

    // The tailer runs on the main thread like the rest of the engine, and holds the engine weakly.
    const QPointer<InstallEngine> self(this);
    setBootstrapLinesEmitted(0);
    SetupLogTailer tailer(logPath, [self, appID](const QString &line) {
        if (self)
            self->appendLog(line, appID);
    });
    QObject::connect(
        &tailer, &SetupLogTailer::linesEmittedChanged, this, [this](qint64 count) { setBootstrapLinesEmitted(count); });
    tailer.start();

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    const int code = co_await ProcessExit::wait(&process);

    if (self)
        tailer.finish();
    QFile::remove(logPath);
    co_return code;
}
