#include "engine/OperationCoordinator.h"
#include "engine/ProcessExit.h"
#include "engine/direct/GitHubReleaseClient.h"
#include "engine/homebrew/HomebrewSetupCommand.h"
#include "engine/homebrew/SetupLogTailer.h"
#include "engine/operations/Operations.h"
#include "platform/PrivilegedRunner.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString homebrewRepository = u"Homebrew/brew"_s;

bool isInstallerPackage(const GitHubAsset &asset)
{
    return asset.name.startsWith(u"Homebrew"_s) && asset.name.endsWith(u".pkg"_s);
}

// A name nobody can guess ahead of the password prompt.
QString privilegedFolder(const QString &parent)
{
    QRandomGenerator *random = QRandomGenerator::system();
    const QString tag = QString::number(random->generate64(), 16) + QString::number(random->generate64(), 16);
    return QDir(parent).absoluteFilePath(u"orvando-setup-"_s + tag);
}

// Runs one setup command whose output goes to logPath, copying that file into the log while it
// runs. The exit status, or -1 when it could not run.
QCoro::Task<int> runSetupCommand(OperationContext run, QString program, QStringList arguments, QString logPath)
{
    // The tailer runs on the main thread like the rest of the engine, and writes nothing once the
    // engine is gone.
    run.setSetupLog(logPath);
    run.setSetupLinesEmitted(0);
    SetupLogTailer tailer(logPath, run.logSink());
    QObject::connect(&tailer, &SetupLogTailer::linesEmittedChanged, &tailer,
        [run](qint64 count) { run.setSetupLinesEmitted(count); });
    tailer.start();

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    run.coordinator()->trackProcess(&process);
    process.start();
    const int code = co_await ProcessExit::wait(&process);

    if (run.alive()) {
        tailer.finish();
        run.setSetupLog({});
    }
    co_return code;
}

// Off macOS: Homebrew's install script, run as the user.
QCoro::Task<int> runHomebrewInstallScript(OperationContext run)
{
    const Environment &env = run.environment();
    const QUrl script = HomebrewSetupCommand::installScriptUrl(env.homebrewInstallHost);
    if (!script.isValid() || script.isEmpty()) {
        run.appendLog(u"error: "_s
            + QCoreApplication::translate("HomebrewSetup", "No address is set for Homebrew's install script."));
        co_return -1;
    }
    const std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(env.tempDir, u"setup"_s);
    if (!work) {
        run.appendLog(u"error: "_s
            + QCoreApplication::translate("HomebrewSetup", "No private temporary folder is available for the setup."));
        co_return -1;
    }
    // The id becomes part of a file name: keep it to one name inside the folder.
    QString name = run.app().id;
    name.replace(u'/', u'_');
    const QString logPath = work->filePath(u"orvando-brew-bootstrap-"_s + name + u".log"_s);
    const QString command = HomebrewSetupCommand::installScriptCommand(script, work->path(), logPath);
    const QStringList arguments { u"-c"_s, command };
    const int code = co_await runSetupCommand(run, env.tools.sh, arguments, logPath);
    if (run.alive() && code != 0 && QFileInfo::exists(HomebrewSetupCommand::downloadFailedMarker(work->path()))) {
        const QString sentence = QCoreApplication::translate(
            "HomebrewSetup", "The Homebrew installer could not be downloaded. Check your connection and try again.");
        run.appendLog(u"error: "_s + sentence);
        run.setSetupFailure(sentence);
    }
    co_return code;
}

// The privileged part of the setup: Homebrew's installer package where the system grants
// administrator rights (macOS), since Homebrew's script refuses to run as root; the script
// elsewhere.
QCoro::Task<int> runPrivilegedHomebrewInstall(OperationContext run)
{
    if (PrivilegedRunner::hasAdministratorPrompt())
        co_return co_await Operations::installHomebrewPackage(run);
    co_return co_await runHomebrewInstallScript(run);
}

} // namespace

QCoro::Task<> Operations::setUpHomebrewThenInstall(OperationContext run)
{
    // No setup for a cask Homebrew no longer offers: the install says why at once.
    if (run.unavailability()) {
        co_await install(run);
        co_return;
    }
    run.setState(
        InstallState::installing(QCoreApplication::translate("HomebrewSetup", "Setting up Homebrew (one-time).")));
    const bool ready = co_await setUpHomebrew(run);
    if (!run.alive())
        co_return;
    if (!ready) {
        run.setState(InstallState::failed(run.setupFailure()));
        co_return;
    }
    // From the start again: this time the install finds brew.
    co_await install(run);
}

QCoro::Task<bool> Operations::setUpHomebrew(OperationContext run)
{
    run.setSetupFailure({});
    // One setup at a time for the whole user: a second request waits for the running one, in
    // whichever window or process, and then uses the Homebrew it left behind.
    OperationCoordinator *coordinator = run.coordinator();
    const OperationCoordinator::Ticket setup = coordinator->beginSetup();
    if (!setup) {
        run.appendLog(u"==> "_s
            + QCoreApplication::translate("HomebrewSetup", "Waiting for the Homebrew setup that is already running."));
        co_await coordinator->setupEnded();
        // Go on from the event loop, not from inside the running setup's ending.
        co_await QCoro::sleepFor(std::chrono::milliseconds(0));
        if (!run.alive())
            co_return false;
        run.lookForBrewAgain();
        co_return run.brewAvailable();
    }
    run.appendLog(u"==> "_s
        + QCoreApplication::translate(
            "HomebrewSetup", "Setting up Homebrew (one-time). macOS will ask for your password once."));

    int code = -1;
    try {
        if (const OperationContext::SetupRunner runner = run.setupRunnerOverride())
            code = co_await runner(run.app().id, run.logSink());
        else
            code = co_await runPrivilegedHomebrewInstall(run);
    } catch (...) {
        // A runner that throws is a setup that did not complete; the ticket still ends the setup.
        code = -1;
    }
    if (!run.alive())
        co_return false;

    if (code != 0) {
        //: %1 is the exit status of the setup.
        run.appendLog(u"error: "_s
            + QCoreApplication::translate("HomebrewSetup", "Homebrew setup did not complete (code %1).").arg(code));
        co_return false;
    }
    run.lookForBrewAgain();
    if (run.brewAvailable()) {
        run.appendLog(u"\U0001F37A  "_s
            + QCoreApplication::translate("HomebrewSetup", "Homebrew is ready. From now on installs are silent."));
        coordinator->announceHomebrewReady();
        co_return true;
    }
    run.appendLog(u"error: "_s
        + QCoreApplication::translate("HomebrewSetup", "Homebrew setup finished but brew was not found afterward."));
    co_return false;
}

// Homebrew's official installer package is fetched as the user, then copied, checked and installed
// by one administrator shell: the one password prompt of the setup. Root checks its own copy,
// since anything of the user's can be changed by any process the user runs.
QCoro::Task<int> Operations::installHomebrewPackage(OperationContext run)
{
    const Environment &env = run.environment();
    const std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(env.tempDir, u"setup"_s);
    if (!work || env.privilegedTempDir.isEmpty()) {
        run.appendLog(u"error: "_s
            + QCoreApplication::translate("HomebrewSetup", "No private temporary folder is available for the setup."));
        co_return -1;
    }
    GitHubReleaseClient client(env.githubApi, work->path(), run.coordinator()->network());
    client.setUnannouncedLimit(env.unannouncedDownloadLimit);
    const Outcome<GitHubAsset> asset
        = co_await client.findAsset(homebrewRepository, isInstallerPackage, u"Homebrew.pkg"_s);
    if (!run.alive())
        co_return -1;
    if (!asset.succeeded()) {
        run.appendLog(u"error: "_s + asset.error.description);
        co_return -1;
    }
    // Root checks its copy against what GitHub published, never against a reading of the user's
    // file, which any process of the user's can change once it has been checked.
    const QString published = asset->sha256();
    if (published.isEmpty()) {
        const QString sentence = HomebrewSetupCommand::failedCheckSentence(u"checksum"_s);
        run.appendLog(u"error: "_s + sentence);
        run.setSetupFailure(sentence);
        co_return -1;
    }
    const Outcome<QString> download = co_await client.download(*asset);
    if (!run.alive())
        co_return -1;
    if (!download.succeeded()) {
        run.appendLog(u"error: "_s + download.error.description);
        co_return -1;
    }

    HomebrewSetupCommand::PackageInstall install;
    install.package = *download;
    install.sha256 = published;
    install.folder = privilegedFolder(env.privilegedTempDir);
    install.ownerUid = ::getuid();
    install.installer = env.tools.installer;
    install.pkgutil = env.tools.pkgutil;
    install.shasum = env.tools.shasum;
    const QString command = HomebrewSetupCommand::installerPackageCommand(install);
    const QStringList arguments { u"-e"_s, HomebrewSetupCommand::appleScriptSource(command) };
    const QString logPath = HomebrewSetupCommand::packageLogPath(install.folder);
    const int code = co_await runSetupCommand(run, env.tools.osascript, arguments, logPath);

    const QString checkPath = HomebrewSetupCommand::failedCheckPath(install.folder);
    if (run.alive() && code != 0) {
        const SafeFile::Content check = SafeFile::read(checkPath, 64);
        const QString sentence = HomebrewSetupCommand::failedCheckSentence(QString::fromUtf8(check.bytes));
        if (!sentence.isEmpty()) {
            run.appendLog(u"error: "_s + sentence);
            run.setSetupFailure(sentence);
        }
    }
    // The shell gave its folder back to this user at its end: what is left of it goes now.
    QFile::remove(logPath);
    QFile::remove(checkPath);
    QDir().rmdir(install.folder);
    co_return code;
}
