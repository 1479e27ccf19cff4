#pragma once

#include "catalog/CatalogApp.h"
#include "engine/Environment.h"
#include "engine/InstallState.h"
#include "engine/disk/InstallMethod.h"
#include "engine/homebrew/BrewResult.h"

#include <QCoreApplication>
#include <QCoroTask>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <optional>

class EngineServices;
class InstallEngine;
class OperationCoordinator;

// What one run of an operation on one app works through: the app, and the window's engine the run
// reports to, with the dozen things its steps do (set the app's state, add to the log, run brew,
// ask whether a stop was asked for). Whoever starts the run holds the coordinator's ticket for the
// app until it ends. The window may close while the run waits: alive() is the one check after each
// wait, and once it is false the writers do nothing. A small value, copied into each step.
class OperationContext
{
    Q_DECLARE_TR_FUNCTIONS(OperationContext)

public:
    using LineHandler = std::function<void(const QString &line)>;

    using SetupRunner = std::function<QCoro::Task<int>(QString appID, LineHandler sink)>;

    OperationContext(InstallEngine *engine, CatalogApp app);

    const CatalogApp &app() const { return m_app; }
    const Environment &environment() const { return m_env; }
    OperationCoordinator *coordinator() const { return m_coordinator; }
    // Whether the window's engine is still there to report to.
    bool alive() const { return !m_engine.isNull(); }
    // Whether a cancel of the app's operation was asked for.
    bool stopAsked() const;
    // After a cancel: says so in the log, shows what the disk holds and returns true; false when no
    // cancel was asked for.
    bool stoppedOnRequest() const;

    void setState(const InstallState &state) const;
    void setPermissionNote(bool present) const;
    void appendLog(const QString &text) const;
    // The id of the latest line of the log, for a failure to point at.
    qint64 lastLogLine() const;
    // An analytics event about the app.
    void capture(const QString &event) const;
    // Runs brew for the app: a cancel of its operation stops it, and the password helper names it.
    QCoro::Task<BrewResult> runBrew(QStringList args, LineHandler onLine) const;

    // The process's services; null without them.
    EngineServices *services() const;
    bool brewAvailable() const;
    // Where the app's bundle is now; nothing without a bundle id or a bundle.
    std::optional<QString> installedBundle() const;
    // How the installed copy got onto the Mac; nothing when there is none.
    std::optional<InstallMethod> installMethod() const;
    // What the disk says now: installed or not installed.
    InstallState detectedState() const;
    // Why the app cannot be installed (a cask Homebrew has disabled); nothing when it can.
    std::optional<QString> unavailability() const;
    // Has Gatekeeper assess the newly placed bundle, in the background.
    void assessInstalled() const;
    void launch() const;

    // For the Homebrew setup: a sink that adds lines to the log for as long as the engine is there,
    // the runner that stands in for the privileged step (tests), why the setup failed, the file it
    // writes and how many of its lines reached the log, and brew looked for again afterwards.
    LineHandler logSink() const;
    SetupRunner setupRunnerOverride() const;
    QString setupFailure() const;
    void setSetupFailure(const QString &sentence) const;
    void setSetupLog(const QString &path) const;
    void setSetupLinesEmitted(qint64 count) const;
    void lookForBrewAgain() const;

private:
    QPointer<InstallEngine> m_engine;
    CatalogApp m_app;
    Environment m_env;
    OperationCoordinator *m_coordinator = nullptr;
};
