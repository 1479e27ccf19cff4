#pragma once

#include "catalog/CatalogApp.h"
#include "engine/BrewResult.h"
#include "engine/Environment.h"
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
#include <optional>

class Analytics;

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

    explicit InstallEngine(Environment env = Environment::system(), Analytics *analytics = nullptr,
        QObject *parent = nullptr);
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

    // Appends one line, trimming the log to its cap; the only way lines enter the log.
    void appendLog(const QString &text, const QString &appID);

    // Homebrew discovery and runner (InstallEngineBrew.cpp).
    static std::optional<QString> resolveBrewBinary(const Environment &env);
    const std::optional<QString> &brewBinary() const { return m_brewBinary; }
    bool brewAvailable() const { return m_brewBinary.has_value(); }
    // The folder two levels above a brew executable: "/opt/homebrew" for "/opt/homebrew/bin/brew".
    static QString brewPrefix(const QString &brewBinary);
    // Runs brew with args. onLine gets each non-empty output line (stdout and stderr merged), in
    // order, on the main thread, all of them before the result. appName, when given, is the
    // application the command is for, passed to the password helper.
    QCoro::Task<BrewResult> runBrew(QStringList args, LineHandler onLine, std::optional<QString> appName = {});

    // Installed-state detection and launch (InstallEngineDetection.cpp).
    static std::optional<QString> installedAppURL(const Environment &env, const QString &bundleID);
    std::optional<QString> installedAppURL(const QString &bundleID) const;
    bool isAppInstalled(const QString &bundleID) const { return installedAppURL(bundleID).has_value(); }
    bool isCaskInstalled(const QString &token) const;
    std::optional<InstallMethod> installMethod(const CatalogApp &app) const;
    void refreshInstalledStatus(const QList<CatalogApp> &apps);
    bool launch(const CatalogApp &app);

    // Install flow, direct download, uninstall and Homebrew setup are added here, one source file
    // per flow (InstallEngineInstall.cpp, InstallEngineDirect.cpp, InstallEngineUninstall.cpp,
    // InstallEngineBootstrap.cpp).

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

private:
    QProcessEnvironment brewEnvironment(const QString &brew, const std::optional<QString> &appName) const;

    Environment m_env;
    Analytics *m_analytics = nullptr;
    QHash<QString, InstallState> m_states;
    bool m_bootstrapInProgress = false;
    QSet<QString> m_permissionNotes;
    InstallLog *m_log = nullptr;
    qint64 m_logCounter = 0;
    std::optional<QString> m_brewBinary;
    BootstrapRunner m_bootstrapRunnerOverride;
    qint64 m_bootstrapLinesEmitted = 0;
};
