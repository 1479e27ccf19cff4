#pragma once

#include "catalog/CatalogApp.h"
#include "engine/AppStatus.h"
#include "engine/Environment.h"
#include "engine/InstallState.h"
#include "engine/OperationCoordinator.h"
#include "engine/OperationOutcome.h"
#include "engine/disk/InstallMethod.h"
#include "engine/disk/RemovalPlan.h"
#include "engine/disk/RemovalRecord.h"
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

class Analytics;
class EngineServices;
class InstallLogFile;
class OperationHistory;
class OperationContext;

// The one object per window that installs, opens and removes catalog applications, and holds what
// the window shows of it: the state of each application, the Homebrew setup flag, the permission
// notes and the installer log. Each operation is a coroutine of its own under operations/, run
// through a per-run context; this is the façade the views and the command line call. Lives on the
// main thread; no failure crosses its API other than as a state or a result value. Every engine of
// the process shares one OperationCoordinator: an operation on an application busy in any window is
// refused, each window shows the state of operations running in the others, and one Homebrew setup
// runs at a time.
class InstallEngine : public QObject
{
    Q_OBJECT

public:
    using LineHandler = std::function<void(const QString &line)>;
    // Runs the Homebrew setup in place of the privileged process: (triggering app id, line sink)
    // -> exit code. The sink is called on the main thread.
    using SetupRunner = std::function<QCoro::Task<int>(QString appID, LineHandler sink)>;

    // Without a coordinator the process-wide OperationCoordinator::shared() is used. services, the
    // process's EngineServices when whoever builds the engine has them, tell it which casks
    // Homebrew has disabled and which apps have updates.
    explicit InstallEngine(Environment env = Environment::system(), Analytics *analytics = nullptr,
        OperationCoordinator *coordinator = nullptr, EngineServices *services = nullptr, QObject *parent = nullptr);
    ~InstallEngine() override;

    std::optional<InstallState> state(const QString &appID) const;
    bool setupInProgress() const { return m_setupInProgress; }
    bool hasPermissionNote(const QString &appID) const { return m_permissionNotes.contains(appID); }
    bool uninstallAllInProgress() const { return m_uninstallAllInProgress; }
    InstallLog *log() const { return m_log; }
    // The id of the latest line of the log.
    qint64 logCounter() const { return m_logCounter; }
    // Appends one line, trimming the log to its cap, and queues it for the day's log file; the
    // only way lines enter the log.
    void appendLog(const QString &text, const QString &appID);
    // The app as a card or a list row shows it: state, health and update info joined.
    AppStatus status(const CatalogApp &app) const;

    const Environment &environment() const { return m_env; }
    OperationCoordinator *coordinator() const { return m_coordinator; }
    // The services handed in, or null without them.
    EngineServices *services() const;
    // The process's record of operations in the data folder; null without a data folder.
    std::shared_ptr<OperationHistory> history() const { return m_history; }

    // What is on this Mac. brew is looked for at the start and again after a setup.
    bool brewAvailable() const { return m_brewBinary.has_value(); }
    std::optional<QString> installedAppURL(const QString &bundleID) const;
    std::optional<InstallMethod> installMethod(const CatalogApp &app) const;
    // What the disk says now: installed when the bundle (without a bundle id: the cask) is there.
    InstallState detectedState(const CatalogApp &app) const;
    // By detectedState's rule: found makes any state installed, and installed that is no longer
    // found becomes notInstalled; other states, and apps busy in any window, stay as they are.
    // Also lets the services check for updates (at most hourly, in the background).
    void refreshInstalledStatus(const QList<CatalogApp> &apps);
    bool launch(const CatalogApp &app);

    // The operations (operations/). None fails: the outcome is in states. Views start them with
    // startDetached(engine->install(app)) (engine/Detached.h). Each is refused, with a note in the
    // log and no state change, while another operation on the application runs anywhere. A cask
    // Homebrew has disabled is not installed: the state becomes failed with FailureKind::Unavailable
    // and the sentence of unavailability(), and brew is not run.
    QCoro::Task<> install(CatalogApp app);
    // Brings an installed app to the newest version; it ends in installed or failed with a
    // sentence, the old version still installed.
    QCoro::Task<> update(CatalogApp app);
    // Ends in notInstalled or failed.
    QCoro::Task<> uninstall(CatalogApp app);
    // What the next removal of appID takes (the review's choice); without one, the app and all
    // its data.
    void setRemovalChoice(const QString &appID, const RemovalChoice &choice);
    // Takes back this run's removal of app while what it moved is still in the Trash.
    QCoro::Task<> undoRemoval(CatalogApp app);
    bool canUndoRemoval(const QString &appID) const;
    // What a removal of app would take, as the disk is now; sizes are left to RemovalPlan::measure.
    RemovalPlan removalPlan(const CatalogApp &app);
    // Puts back the version the app's last direct-download update replaced; ends in installed, or
    // failed with the newer version still in place.
    QCoro::Task<OperationOutcome> revert(CatalogApp app);
    // The operations with their outcome, for the batch queue and the command line. The outcome's
    // sentence is the one the state carries, or the refusal when another operation on the app
    // runs, in this process or (through its lock file) in another.
    QCoro::Task<OperationOutcome> perform(AppOperation operation, CatalogApp app);
    // Stops the operation on appID running in this process, whichever window started it: brew and
    // what it started get SIGTERM, then SIGKILL after the coordinator's grace period (5 seconds); a
    // download is aborted. The app then shows what the disk holds and perform() gives Cancelled.
    // False when nothing runs for appID here.
    bool cancel(const QString &appID);
    // The one-time Homebrew setup, then the install. setUpHomebrew alone is true when brew is
    // ready afterwards, false when the setup failed or another one was running.
    QCoro::Task<> setUpHomebrewThenInstall(CatalogApp app);
    QCoro::Task<bool> setUpHomebrew(QString triggeringAppID);
    // Brings Homebrew's list of casks up to date (`brew update`) for app, whose cask Homebrew did
    // not know; it ends in what the disk says, or failed with a sentence.
    QCoro::Task<> refreshCaskList(CatalogApp app);
    // Puts a failed app back to what the disk says; any other state is left alone.
    void dismissFailure(const CatalogApp &app);
    // Removes every installed catalog application, one after the other, skipping those busy with
    // another operation, and returns how many it removed (0 at once when a run is under way).
    QCoro::Task<int> uninstallAllCatalogApps();
    // Why app cannot be installed: the sentence for a cask Homebrew has disabled; nothing when it
    // can be, or when no facts are known.
    std::optional<QString> unavailability(const CatalogApp &app) const;
    // Why the last Homebrew setup of this engine failed, in a sentence.
    QString setupFailure() const;

    // Runs brew with args (homebrew/BrewRunner) from this window: each non-empty output line goes
    // to onLine, in order, on the main thread, all of them before the result, and none once the
    // engine is gone. appName is the application the password helper names; a cancel of appID's
    // operation stops brew (and a cancelled one never starts it).
    QCoro::Task<BrewResult> runBrew(
        QStringList args, LineHandler onLine, std::optional<QString> appName = {}, QString appID = {});

Q_SIGNALS:
    // Emitted when the entry of states for appID changes value.
    void stateChanged(const QString &appID);
    void setupInProgressChanged(bool inProgress);
    // Emitted when an id enters or leaves the permission notes.
    void permissionNotesChanged();
    // Each line as it enters the log: brew's own lines and the engine's steps, for a front end
    // that prints them (the command line's --verbose) rather than showing the model.
    void lineAppended(const LogLine &line);
    void uninstallAllInProgressChanged(bool inProgress);

protected:
    // Seams for tests (a subclass makes them public): the runner that stands in for the setup's
    // privileged process, the running setup's output file (empty when none runs) and how many of
    // its lines reached the log.
    void setSetupRunnerOverride(SetupRunner runner) { m_setupRunnerOverride = std::move(runner); }
    QString setupLogPath() const { return m_setupLogPath; }
    qint64 setupLinesEmitted() const { return m_setupLinesEmitted; }

    // The one writer of each published value; each emits its signal when the value changes.
    void setState(const QString &appID, const InstallState &state);
    void setSetupInProgress(bool inProgress);
    void setPermissionNote(const QString &appID, bool present);

private:
    friend class OperationContext;

    // Claims app for one operation of this engine; empty, with a note in the log, when it is busy.
    OperationCoordinator::Ticket beginOperation(const CatalogApp &app);
    // Sends an analytics event when there is a client; fire-and-forget.
    void capture(const QString &event, const QVariantMap &properties = {}) const;
    // What another engine's operation shows, taken over without reporting it back.
    void adoptState(const QString &appID, const InstallState &state);
    // After an operation whose engine is gone: what the disk says.
    void redetect(const CatalogApp &app);
    void setUninstallAllInProgress(bool inProgress);

    Environment m_env;
    Analytics *m_analytics = nullptr;
    OperationCoordinator *m_coordinator = nullptr;
    QPointer<EngineServices> m_services;
    QHash<QString, InstallState> m_states;
    std::optional<std::pair<QString, InstallState>> m_lastAdopted; // an entry of m_states, the one last set
    bool m_setupInProgress = false;
    QSet<QString> m_permissionNotes;
    InstallLog *m_log = nullptr;
    std::shared_ptr<InstallLogFile> m_logFile; // absent without a log folder
    std::shared_ptr<OperationHistory> m_history; // absent without a data folder
    qint64 m_logCounter = 0;
    qint64 m_readTime = -1; // while runBrew hands over the lines of one read: when it came
    std::optional<QString> m_brewBinary;
    SetupRunner m_setupRunnerOverride;
    qint64 m_setupLinesEmitted = 0;
    QString m_setupLogPath;
    QString m_setupFailure;
    bool m_uninstallAllInProgress = false;
    QHash<QString, RemovalChoice> m_removalChoices;
};
