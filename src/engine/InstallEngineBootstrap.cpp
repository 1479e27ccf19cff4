#include "engine/InstallEngine.h"
#include "engine/ProcessExit.h"
#include "engine/homebrew/BrewRunner.h"
#include "engine/homebrew/HomebrewSetupCommand.h"
#include "engine/homebrew/SetupLogTailer.h"
#include "platform/PrivilegedRunner.h"

#include <QCoroTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QString setupDidNotFinish = u"Homebrew setup didn't finish. You can try again — it asks for your Mac password "
                                  u"once, then all installs are silent."_s;

} // namespace

QCoro::Task<> InstallEngine::setUpHomebrewThenInstall(CatalogApp app)
{
    const OperationCoordinator::Ticket ticket = beginOperation(app);
    if (!ticket)
        co_return;
    // No setup for a cask Homebrew no longer offers: the install says why at once.
    if (unavailability(app)) {
        co_await installSteps(app);
        co_return;
    }
    const QPointer<InstallEngine> self(this);
    setState(app.id, InstallState::installing(u"Setting up Homebrew (one-time)."_s));
    const bool ready = co_await bootstrapHomebrew(app.id);
    if (!self)
        co_return;
    if (!ready) {
        setState(app.id, InstallState::failed(m_setupFailure.isEmpty() ? setupDidNotFinish : m_setupFailure));
        co_return;
    }
    // From the start again: this time the install finds brew.
    co_await installSteps(app);
}

QString InstallEngine::setupFailure() const
{
    return m_setupFailure.isEmpty() ? setupDidNotFinish : m_setupFailure;
}

QCoro::Task<bool> InstallEngine::bootstrapHomebrew(QString triggeringAppID)
{
    const QPointer<InstallEngine> self(this);
    const QString id = triggeringAppID;
    m_setupFailure.clear();
    // One setup at a time for the whole user: a second request waits for the running one, in
    // whichever window or process, and then uses the Homebrew it left behind.
    const OperationCoordinator::Ticket setup = m_coordinator->beginSetup();
    if (!setup) {
        appendLog(u"==> Waiting for the Homebrew setup that is already running."_s, id);
        co_await m_coordinator->setupEnded();
        // Go on from the event loop, not from inside the running setup's ending.
        co_await QCoro::sleepFor(std::chrono::milliseconds(0));
        if (!self)
            co_return false;
        setBrewBinary(BrewRunner::resolveBinary(m_env));
        co_return brewAvailable();
    }
    appendLog(u"==> Setting up Homebrew (one-time). macOS will ask for your password once."_s, id);

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
        // A runner that throws is a setup that did not complete; the ticket still ends the setup.
        code = -1;
    }
    if (!self)
        co_return false;

    if (code != 0) {
        appendLog(u"error: Homebrew setup did not complete (code "_s + QString::number(code) + u")."_s, id);
        co_return false;
    }
    setBrewBinary(BrewRunner::resolveBinary(m_env));
    if (brewAvailable()) {
        appendLog(u"\U0001F37A  Homebrew is ready. From now on installs are silent."_s, id);
        m_coordinator->announceHomebrewReady();
        co_return true;
    }
    appendLog(u"error: Homebrew setup finished but brew was not found afterward."_s, id);
    co_return false;
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
    const std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(m_env.tempDir, u"setup"_s);
    if (!work) {
        appendLog(u"error: No private temporary folder is available for the setup."_s, appID);
        co_return -1;
    }
    // The id becomes part of a file name: keep it to one name inside the folder.
    QString name = appID;
    name.replace(u'/', u'_');
    const QString logPath = work->filePath(u"orvando-brew-bootstrap-"_s + name + u".log"_s);
    const QString command = HomebrewSetupCommand::installScriptCommand(script, work->path(), logPath);
    const QStringList arguments { u"-c"_s, command };
    const QPointer<InstallEngine> self(this);
    const int code = co_await runSetupCommand(appID, m_env.tools.sh, arguments, logPath);
    if (self && code != 0 && QFileInfo::exists(HomebrewSetupCommand::downloadFailedMarker(work->path()))) {
        const QString sentence
            = u"The Homebrew installer could not be downloaded. Check your connection and try again."_s;
        appendLog(u"error: "_s + sentence, appID);
        setSetupFailure(sentence);
    }
    co_return code;
}

QCoro::Task<int> InstallEngine::runSetupCommand(QString appID, QString program, QStringList arguments, QString logPath)
{
    // The tailer runs on the main thread like the rest of the engine, and holds the engine weakly.
    const QPointer<InstallEngine> self(this);
    m_bootstrapLogPath = logPath;
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
    m_coordinator->trackProcess(&process);
    process.start();
    const int code = co_await ProcessExit::wait(&process);

    if (self) {
        tailer.finish();
        m_bootstrapLogPath.clear();
    }
    co_return code;
}
