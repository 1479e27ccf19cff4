#pragma once

#include "catalog/CatalogApp.h"
#include "engine/BrewResult.h"
#include "engine/Environment.h"
#include "engine/GHRelease.h"
#include "engine/InstallLog.h"
#include "engine/InstallMethod.h"
#include "engine/InstallState.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <QProcessEnvironment>
#include <QSet>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

class Analytics;
class GitHubReleaseClient;
class InstallLogFile;

// The one object per window that installs, opens and removes catalog applications and holds what
// it is doing: the state of each application, the Homebrew setup flag, the permission notes and
// the installer log. Lives on the main thread; its operations are coroutines that suspend, never
// block, and no failure crosses its API other than as a state or a result value.
class InstallEngine : public QObject
{
    Q_OBJECT

public:
    using LineHandler = std::function<void(const QString &line)>;
    // Runs the Homebrew setup in place of the privileged process: (triggering app id, line sink)
    // -> exit code. The sink is called on the main thread.
    using BootstrapRunner = std::function<QCoro::Task<int>(QString appID, LineHandler sink)>;

    explicit InstallEngine(
        Environment env = Environment::system(), Analytics *analytics = nullptr, QObject *parent = nullptr);
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

    // Appends one line, trimming the log to its cap, and queues it for the day's log file; the
    // only way lines enter the log.
    void appendLog(const QString &text, const QString &appID);

    // Homebrew discovery and runner (InstallEngineBrew.cpp).
    static std::optional<QString> resolveBrewBinary(const Environment &env);
    const std::optional<QString> &brewBinary() const { return m_brewBinary; }
    bool brewAvailable() const { return m_brewBinary.has_value(); }
    // The folder two levels above a brew executable: "/opt/homebrew" for "/opt/homebrew/bin/brew".
    static QString brewPrefix(const QString &brewBinary);
    // Runs brew with args. onLine gets each non-empty output line (stdout and stderr merged), in
    // order, on the main thread, all of them before the result. appName, when given, is the
    // application the command is for, passed to the password helper. onLine must not spin an
    // event loop of its own.
    QCoro::Task<BrewResult> runBrew(QStringList args, LineHandler onLine, std::optional<QString> appName = {});

    // Installed-state detection and launch (InstallEngineDetection.cpp).
    static std::optional<QString> installedAppURL(const Environment &env, const QString &bundleID);
    std::optional<QString> installedAppURL(const QString &bundleID) const;
    bool isAppInstalled(const QString &bundleID) const { return installedAppURL(bundleID).has_value(); }
    bool isCaskInstalled(const QString &token) const;
    std::optional<InstallMethod> installMethod(const CatalogApp &app) const;
    void refreshInstalledStatus(const QList<CatalogApp> &apps);
    bool launch(const CatalogApp &app);

    // Install flow (InstallEngineInstall.cpp). install() never fails: the outcome is in states.
    // Views start it with startDetached(engine->install(app)); the Homebrew setup awaits it.
    QCoro::Task<> install(CatalogApp app);
    QCoro::Task<> installViaBrew(CatalogApp app, QString cask);
    // The card's short note for one line of brew output; pure, callable from any thread.
    static QString humanize(const QString &line, const CatalogApp &app);

    // Direct download from the latest GitHub release (InstallEngineDirect.cpp).
    QCoro::Task<> installViaDirectDownload(CatalogApp app, DirectDownload download);
    // The asset this build installs: assetX64 on Intel Macs, assetArm64 everywhere else.
    static QString assetName(const DirectDownload &download);
    static QCoro::Task<Outcome<GHAsset>> resolveReleaseAsset(GitHubReleaseClient &client, DirectDownload download);
    // Blocking; returns the installed bundle's path.
    static Outcome<QString> extractAndInstallApp(Environment env, QString archive, QString appName);

    // Uninstall and leftover sweep (InstallEngineUninstall.cpp). uninstall ends in notInstalled or
    // failed; uninstallAllCatalogApps removes every installed catalog application, one after the
    // other, and returns how many it removed.
    QCoro::Task<> uninstall(CatalogApp app);
    QCoro::Task<int> uninstallAllCatalogApps();
    static QStringList leftoverPaths(const Environment &env, const QString &bundleID);
    static QStringList sweepLeftovers(const Environment &env, const QString &bundleID);
    static std::optional<QStringList> accessibilityResetArguments(const QString &bundleID);
    static bool resetAccessibilityPermission(const Environment &env, const QString &bundleID);
    static QString humanizeUninstall(const QString &line, const CatalogApp &app);

    // One-time Homebrew setup (InstallEngineBootstrap.cpp). bootstrapHomebrew is true when brew is
    // ready afterwards, false when the setup failed or another one was running.
    QCoro::Task<> setUpHomebrewThenInstall(CatalogApp app);
    QCoro::Task<bool> bootstrapHomebrew(QString triggeringAppID);
    // The setup's output file, in the private temporary folder, while the setup runs.
    QString bootstrapLogPath(const QString &appID) const;

    // Starts a coroutine nobody awaits; an exception it throws is logged instead of vanishing.
    static void startDetached(QCoro::Task<> task);

Q_SIGNALS:
    // Emitted when the entry of states for appID changes value.
    void stateChanged(const QString &appID);
    void bootstrapInProgressChanged(bool inProgress);
    // Emitted when an id enters or leaves permissionNotes.
    void permissionNotesChanged();

protected:
    // The one writer of each published value; each emits its signal when the value changes.
    void setState(const QString &appID, const InstallState &state);
    void setBootstrapInProgress(bool inProgress);
    void setPermissionNote(const QString &appID, bool present);
    void setBootstrapLinesEmitted(qint64 count) { m_bootstrapLinesEmitted = count; }
    void setBrewBinary(std::optional<QString> path) { m_brewBinary = std::move(path); }
    // Sends an analytics event when there is a client; fire-and-forget.
    void capture(const QString &event, const QVariantMap &properties = {}) const;

    // Asks running instances of bundleID to quit, forcing those still there after 0.8 seconds.
    QCoro::Task<> quitIfRunning(QString bundleID);
    // The privileged part of the setup: Homebrew's installer package on macOS
    // (InstallEngineHomebrewPackage.cpp), its install script elsewhere. The exit status, or -1
    // when the command could not run.
    QCoro::Task<int> runPrivilegedHomebrewInstall(QString appID);
    QCoro::Task<int> installHomebrewPackage(QString appID);
    QCoro::Task<int> runHomebrewInstallScript(QString appID);
    // Runs one setup command whose output goes to bootstrapLogPath(appID), copying that file into
    // the log while it runs.
    QCoro::Task<int> runSetupCommand(QString appID, QString program, QStringList arguments);

private:
    QProcessEnvironment brewEnvironment(const QString &brew, const std::optional<QString> &appName) const;

    Environment m_env;
    Analytics *m_analytics = nullptr;
    QHash<QString, InstallState> m_states;
    bool m_bootstrapInProgress = false;
    QSet<QString> m_permissionNotes;
    InstallLog *m_log = nullptr;
    std::shared_ptr<InstallLogFile> m_logFile; // absent without a log folder
    qint64 m_logCounter = 0;
    std::optional<QString> m_brewBinary;
    BootstrapRunner m_bootstrapRunnerOverride;
    qint64 m_bootstrapLinesEmitted = 0;
};
