#pragma once

#include "catalog/CatalogApp.h"
#include "engine/AppStatus.h"
#include "engine/Environment.h"
#include "engine/InstallState.h"
#include "engine/OperationCoordinator.h"
#include "engine/OperationOutcome.h"
#include "engine/direct/GHRelease.h"
#include "engine/disk/InstallMethod.h"
#include "engine/homebrew/BrewResult.h"
#include "engine/log/InstallLog.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class Analytics;
class BundleLocator;
class EngineServices;
class InstallLogFile;

// The one object per window that installs, opens and removes catalog applications and holds what
// it is doing: the state of each application, the Homebrew setup flag, the permission notes and
// the installer log. Lives on the main thread; its operations are coroutines that suspend, never
// block, and no failure crosses its API other than as a state or a result value. Every engine of
// the process shares one OperationCoordinator: an operation on an application busy in any window
// is refused, each window shows the state of operations running in the others, and one Homebrew
// setup runs at a time.
class InstallEngine : public QObject
{
    Q_OBJECT

public:
    using LineHandler = std::function<void(const QString &line)>;
    // Runs the Homebrew setup in place of the privileged process: (triggering app id, line sink)
    // -> exit code. The sink is called on the main thread.
    using BootstrapRunner = std::function<QCoro::Task<int>(QString appID, LineHandler sink)>;

    // Without a coordinator the process-wide OperationCoordinator::shared() is used. services, the
    // process's EngineServices when whoever builds the engine has them, tell it which casks
    // Homebrew has disabled and which apps have updates.
    explicit InstallEngine(Environment env = Environment::system(), Analytics *analytics = nullptr,
        OperationCoordinator *coordinator = nullptr, EngineServices *services = nullptr, QObject *parent = nullptr);
    ~InstallEngine() override;

    // Published state (InstallEngine.cpp).
    const QHash<QString, InstallState> &states() const { return m_states; }
    std::optional<InstallState> state(const QString &appID) const;
    bool bootstrapInProgress() const { return m_bootstrapInProgress; }
    const QSet<QString> &permissionNotes() const { return m_permissionNotes; }
    bool hasPermissionNote(const QString &appID) const { return m_permissionNotes.contains(appID); }
    InstallLog *log() const { return m_log; }

    qint64 logCounter() const { return m_logCounter; }
    qint64 bootstrapLinesEmitted() const { return m_bootstrapLinesEmitted; }
    const BootstrapRunner &bootstrapRunnerOverride() const { return m_bootstrapRunnerOverride; }
    void setBootstrapRunnerOverride(BootstrapRunner runner) { m_bootstrapRunnerOverride = std::move(runner); }
    const Environment &environment() const { return m_env; }
    Analytics *analytics() const { return m_analytics; }
    OperationCoordinator *coordinator() const { return m_coordinator; }
    bool uninstallAllInProgress() const { return m_uninstallAllInProgress; }

    // Appends one line, trimming the log to its cap, and queues it for the day's log file; the
    // only way lines enter the log.
    void appendLog(const QString &text, const QString &appID);

    // Homebrew runner (InstallEngineBrew.cpp).
    const std::optional<QString> &brewBinary() const { return m_brewBinary; }
    bool brewAvailable() const { return m_brewBinary.has_value(); }
    // Runs brew with args. onLine gets each non-empty output line (stdout and stderr merged), in
    // order, on the main thread, all of them before the result. appName, when given, is the
    // application the command is for, passed to the password helper; appID, when given, the app
    // whose operation runs it: a cancel of that operation stops brew (and a cancelled one never
    // starts it). onLine must not spin an event loop of its own.
    QCoro::Task<BrewResult> runBrew(
        QStringList args, LineHandler onLine, std::optional<QString> appName = {}, QString appID = {});

    // Installed-state detection and launch (InstallEngineDetection.cpp).
    static std::optional<QString> installedAppURL(const Environment &env, const QString &bundleID);
    std::optional<QString> installedAppURL(const QString &bundleID) const;
    bool isAppInstalled(const QString &bundleID) const { return installedAppURL(bundleID).has_value(); }
    bool isCaskInstalled(const QString &token) const;
    std::optional<InstallMethod> installMethod(const CatalogApp &app) const;
    // By detectedState's rule: found makes any state installed, and installed that is no longer
    // found becomes notInstalled; other states, and apps busy in any window, stay as they are.
    // Also lets the services check for updates (at most hourly, in the background).
    void refreshInstalledStatus(const QList<CatalogApp> &apps);
    bool launch(const CatalogApp &app);
    // What the disk says now: installed when the bundle (without a bundle id: the cask) is there.
    InstallState detectedState(const CatalogApp &app) const;

    // Install flow (InstallEngineInstall.cpp). install() never fails: the outcome is in states.
    // Views start it with startDetached(engine->install(app)) (engine/Detached.h). Refused, with a note in the log and
    // no state change, while another operation on the application runs anywhere. A cask Homebrew
    // has disabled is not installed: the state becomes failed with FailureKind::Unavailable and
    // the sentence of unavailability(), and brew is not run; an installed copy stays usable.
    QCoro::Task<> install(CatalogApp app);
    QCoro::Task<> installViaBrew(CatalogApp app, QString cask);
    // The card's short note for one line of brew output; pure, callable from any thread.
    static QString humanize(const QString &line, const CatalogApp &app);

    // Direct download from the latest GitHub release (InstallEngineDirect.cpp).
    QCoro::Task<> installViaDirectDownload(CatalogApp app, DirectDownload download);

    // Updates (InstallEngineUpdate.cpp). Brings an installed app to the newest version: `brew
    // upgrade --cask <token>`, or the latest GitHub release, verified and put in place of the
    // installed bundle in one step. The notes name the new version ("Downloading Maccy 2.1.0.");
    // it ends in installed (the update checker forgets the app) or failed with a sentence, the old
    // version still installed. Refused like install.
    QCoro::Task<> update(CatalogApp app);

    // Operations with their outcome, for the batch queue and the command line (InstallEngine.cpp);
    // install(), update() and uninstall() are this without it. The outcome's sentence is the one
    // the state carries, or the refusal when another operation on the app runs, in this process
    // or (through its lock file) in another.
    QCoro::Task<OperationOutcome> perform(AppOperation operation, CatalogApp app);
    // Stops the operation on appID running in this process, whichever window started it: brew and
    // what it started get SIGTERM, then SIGKILL after the coordinator's grace period (5 seconds); a
    // download is aborted. The app then shows what the disk holds and perform() gives Cancelled.
    // False when nothing runs for appID here.
    bool cancel(const QString &appID);

    // Ways out of a failure (InstallEngineRecovery.cpp). dismissFailure puts a failed app back to
    // what the disk says; any other state is left alone. refreshCaskList brings Homebrew's list of
    // casks up to date (`brew update`) for app, whose cask Homebrew did not know: its lines go to
    // the log under app, and it ends in what the disk says, or failed with a sentence. Refused
    // like install.
    void dismissFailure(const CatalogApp &app);
    QCoro::Task<> refreshCaskList(CatalogApp app);

    // Health and updates (InstallEngine.cpp): the services handed in, or null without them.
    EngineServices *services() const;
    // The app as a card or a list row shows it: state, health and update info joined.
    AppStatus status(const CatalogApp &app) const;
    // Why app cannot be installed: the sentence for a cask Homebrew has disabled; nothing when it
    // can be, or when no facts are known.
    std::optional<QString> unavailability(const CatalogApp &app) const;
    // Why the last Homebrew setup of this engine failed, in a sentence.
    QString setupFailure() const;

    // Uninstall and leftover sweep (InstallEngineUninstall.cpp). uninstall ends in notInstalled or
    // failed, and is refused like install; uninstallAllCatalogApps removes every installed catalog
    // application, one after the other, skipping those busy with another operation, and returns
    // how many it removed (0 at once when a run of this engine is already under way).
    QCoro::Task<> uninstall(CatalogApp app);
    QCoro::Task<int> uninstallAllCatalogApps();
    static std::optional<QStringList> accessibilityResetArguments(const QString &bundleID);
    // True when tccutil ran and exited with 0; awaited, never blocking the main thread.
    static QCoro::Task<bool> resetAccessibilityPermission(Environment env, QString bundleID);
    static QString humanizeUninstall(const QString &line, const CatalogApp &app);

    // One-time Homebrew setup (InstallEngineBootstrap.cpp). bootstrapHomebrew is true when brew is
    // ready afterwards, false when the setup failed or another one was running.
    QCoro::Task<> setUpHomebrewThenInstall(CatalogApp app);
    QCoro::Task<bool> bootstrapHomebrew(QString triggeringAppID);
    // The running setup's output file, in a folder of its own; empty when no setup of this engine
    // runs.
    QString bootstrapLogPath() const { return m_bootstrapLogPath; }

Q_SIGNALS:
    // Emitted when the entry of states for appID changes value.
    void stateChanged(const QString &appID);
    void bootstrapInProgressChanged(bool inProgress);
    // Emitted when an id enters or leaves permissionNotes.
    void permissionNotesChanged();
    // Each line as it enters the log: brew's own lines and the engine's steps, for a front end
    // that prints them (the command line's --verbose) rather than showing the model.
    void lineAppended(const LogLine &line);
    void uninstallAllInProgressChanged(bool inProgress);

protected:
    // The one writer of each published value; each emits its signal when the value changes.
    void setState(const QString &appID, const InstallState &state);
    void setBootstrapInProgress(bool inProgress);
    void setPermissionNote(const QString &appID, bool present);
    void setBootstrapLinesEmitted(qint64 count) { m_bootstrapLinesEmitted = count; }
    void setBrewBinary(std::optional<QString> path) { m_brewBinary = std::move(path); }
    // Sends an analytics event when there is a client; fire-and-forget.
    void capture(const QString &event, const QVariantMap &properties = {}) const;

    // Claims app for one operation of this engine; empty, with a note in the log, when it is busy.
    OperationCoordinator::Ticket beginOperation(const CatalogApp &app);
    // The steps of install and uninstall, for a caller that holds the application's ticket.
    QCoro::Task<> installSteps(CatalogApp app);
    QCoro::Task<> updateSteps(CatalogApp app);
    QCoro::Task<> uninstallSteps(CatalogApp app);
    QCoro::Task<> updateViaBrew(CatalogApp app, QString label);
    // The direct-download route of install and of update (replacing: the bundle an update takes
    // the place of); label names the app in the notes.
    QCoro::Task<> directDownloadSteps(CatalogApp app, DirectDownload download, QString label, QString replacing);
    // After a cancel of app's operation: logs it, shows what the disk holds and returns true;
    // false when no cancel was asked for.
    bool stoppedOnRequest(const CatalogApp &app);
    // Has Gatekeeper assess the newly placed bundle of app, in the background.
    void assessInstalled(const CatalogApp &app);

    // Asks running instances of bundleID to quit, forcing those still there after 0.8 seconds.
    QCoro::Task<> quitIfRunning(QString bundleID);
    // The privileged part of the setup: Homebrew's installer package on macOS
    // (InstallEngineHomebrewPackage.cpp), its install script elsewhere. The exit status, or -1
    // when the command could not run.
    QCoro::Task<int> runPrivilegedHomebrewInstall(QString appID);
    QCoro::Task<int> installHomebrewPackage(QString appID);
    QCoro::Task<int> runHomebrewInstallScript(QString appID);
    // Runs one setup command whose output goes to logPath, copying that file into the log while
    // it runs.
    QCoro::Task<int> runSetupCommand(QString appID, QString program, QStringList arguments, QString logPath);
    // Why the setup of this engine failed, when a step knows better than "did not finish".
    void setSetupFailure(const QString &sentence) { m_setupFailure = sentence; }

private:
    // What another engine's operation shows, taken over without reporting it back.
    void adoptState(const QString &appID, const InstallState &state);
    // After an operation whose engine is gone: what the disk says.
    void redetect(const CatalogApp &app);
    // detectedState's rule, over a locator a refresh shares between apps.
    bool isPresent(const CatalogApp &app, BundleLocator &locator) const;
    void setUninstallAllInProgress(bool inProgress);

    Environment m_env;
    Analytics *m_analytics = nullptr;
    OperationCoordinator *m_coordinator = nullptr;
    QPointer<EngineServices> m_services;
    QHash<QString, InstallState> m_states;
    std::optional<std::pair<QString, InstallState>> m_lastAdopted; // an entry of m_states, the one last set
    bool m_bootstrapInProgress = false;
    QSet<QString> m_permissionNotes;
    InstallLog *m_log = nullptr;
    std::shared_ptr<InstallLogFile> m_logFile; // absent without a log folder
    qint64 m_logCounter = 0;
    qint64 m_readTime = -1; // while runBrew hands over the lines of one read: when it came
    std::optional<QString> m_brewBinary;
    BootstrapRunner m_bootstrapRunnerOverride;
    qint64 m_bootstrapLinesEmitted = 0;
    QString m_bootstrapLogPath;
    QString m_setupFailure;
    bool m_uninstallAllInProgress = false;
};
