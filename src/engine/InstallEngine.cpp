#include "engine/InstallEngine.h"

#include "catalog/Catalog.h"
#include "engine/EngineServices.h"
#include "engine/RemovalHistory.h"
#include "engine/disk/BundleLocator.h"
#include "engine/disk/InstalledApps.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/history/OperationHistory.h"
#include "engine/homebrew/BrewRunner.h"
#include "engine/log/InstallLogFile.h"
#include "engine/operations/OperationRecord.h"
#include "engine/operations/Operations.h"
#include "engine/operations/RemovalSteps.h"
#include "platform/Workspace.h"
#include "telemetry/Analytics.h"

#include <QDateTime>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

QString busySentence(const CatalogApp &app)
{
    return InstallEngine::tr("Another operation on %1 is still running; try again when it has finished.").arg(app.name);
}

QString setupDidNotFinish()
{
    return InstallEngine::tr("Homebrew setup didn't finish. You can try again — it asks for your Mac password "
                             "once, then all installs are silent.");
}

} // namespace

InstallEngine::InstallEngine(
    Environment env, Analytics *analytics, OperationCoordinator *coordinator, EngineServices *services, QObject *parent)
    : QObject(parent)
    , m_env(std::move(env))
    , m_analytics(analytics)
    , m_coordinator(coordinator ? coordinator : OperationCoordinator::shared())
    , m_services(services)
    , m_log(new InstallLog(this))
{
    // brew is looked for once here, and again only after a Homebrew setup, in any window.
    m_brewBinary = BrewRunner::resolveBinary(m_env);

    // A window opened while other windows work shows what they are doing.
    m_states = m_coordinator->runningStates();
    m_setupInProgress = m_coordinator->setupRunning();
    connect(m_coordinator, &OperationCoordinator::stateReported, this,
        [this](const QString &appID, const InstallState &state, const QObject *owner) {
            if (owner != this)
                adoptState(appID, state);
        });
    connect(m_coordinator, &OperationCoordinator::operationEnded, this, [this](const CatalogApp &app, bool ownerGone) {
        if (ownerGone)
            redetect(app);
    });
    connect(m_coordinator, &OperationCoordinator::setupRunningChanged, this, &InstallEngine::setSetupInProgress);
    connect(m_coordinator, &OperationCoordinator::homebrewReady, this,
        [this] { m_brewBinary = BrewRunner::resolveBinary(m_env); });
    // The file only ever receives lines; the window's log starts empty at every start, but for a
    // word when the folder cannot be used.
    if (!m_env.logDir.isEmpty()) {
        m_logFile = InstallLogFile::forFolder(m_env.logDir);
        if (!m_logFile)
            appendLog(
                //: %1 is the log folder's path
                tr("warning: No log files are written: the log folder %1 is a link to another place.")
                    .arg(m_env.logDir),
                {});
    }
    // Shared with the process's other windows; a file that could not be read was moved aside.
    m_history = OperationHistory::forFolder(m_env.dataDir);
    if (m_history && !m_history->problem().isEmpty())
        appendLog(m_history->problem(), {});
}

InstallEngine::~InstallEngine() = default;

std::optional<InstallState> InstallEngine::state(const QString &appID) const
{
    const auto it = m_states.constFind(appID);
    if (it == m_states.constEnd())
        return std::nullopt;
    return *it;
}

void InstallEngine::appendLog(const QString &text, const QString &appID)
{
    ++m_logCounter;
    const LogLine line { m_logCounter, appID, text };
    m_log->append(line);
    if (m_logFile)
        m_logFile->append(appID, text, m_readTime);
    Q_EMIT lineAppended(line);
}

AppStatus InstallEngine::status(const CatalogApp &app) const
{
    const EngineServices *shared = services();
    const std::optional<CaskFacts> facts = shared ? shared->facts()->caskFacts(app) : std::nullopt;
    const std::optional<AppUpdate> update = shared ? shared->updates()->update(app.id) : std::nullopt;
    return AppStatus::of(app, state(app.id), facts, update, QDate::currentDate());
}

EngineServices *InstallEngine::services() const
{
    return m_services;
}

std::optional<QString> InstallEngine::installedAppURL(const QString &bundleID) const
{
    return InstalledApps::bundlePath(m_env, bundleID);
}

std::optional<InstallMethod> InstallEngine::installMethod(const CatalogApp &app) const
{
    return InstalledApps::installMethod(m_env, m_brewBinary, app);
}

InstallState InstallEngine::detectedState(const CatalogApp &app) const
{
    BundleLocator locator(m_env.applicationFolders);
    return InstalledApps::isPresent(app, locator, m_brewBinary) ? InstallState::installed()
                                                                : InstallState::notInstalled();
}

void InstallEngine::refreshInstalledStatus(const QList<CatalogApp> &apps)
{
    // One pass over the disk for the whole list; a new locator next time, so nothing is cached.
    BundleLocator locator(m_env.applicationFolders);
    for (const CatalogApp &app : apps) {
        // An operation running on the app, in any window, owns its state until it ends.
        if (m_coordinator->isBusy(app.id))
            continue;
        if (InstalledApps::isPresent(app, locator, m_brewBinary)) {
            setState(app.id, InstallState::installed());
            continue;
        }
        // Gone since it was found (dragged to the Trash in the Finder, say): Open would fail. A
        // failure or a missing Homebrew stays on the card until the user acts on it.
        const std::optional<InstallState> now = state(app.id);
        if (!now || *now == InstallState::installed())
            setState(app.id, InstallState::notInstalled());
    }
    // What is installed may have changed: time to see what has updates (at most hourly).
    if (EngineServices *shared = services())
        shared->installedStateRefreshed();
}

bool InstallEngine::launch(const CatalogApp &app)
{
    if (!app.bundleID)
        return false;
    const std::optional<QString> bundle = installedAppURL(*app.bundleID);
    if (!bundle)
        return false;
    // Whether the system then starts it is not observed.
    Workspace::openApplication(*bundle);
    //: A line of the log; %1 is the app's name
    appendLog(tr("==> Opening %1").arg(app.name), app.id);
    return true;
}

QCoro::Task<> InstallEngine::install(CatalogApp app)
{
    co_await perform(AppOperation::Install, app);
}

QCoro::Task<> InstallEngine::update(CatalogApp app)
{
    co_await perform(AppOperation::Update, app);
}

QCoro::Task<> InstallEngine::uninstall(CatalogApp app)
{
    co_await perform(AppOperation::Uninstall, app);
}

void InstallEngine::setRemovalChoice(const QString &appID, const RemovalChoice &choice)
{
    m_removalChoices.insert(appID, choice);
}

QCoro::Task<> InstallEngine::undoRemoval(CatalogApp app)
{
    const std::optional<RemovalRecord> record = m_coordinator->removals()->record(app.id);
    if (!record)
        co_return;
    const OperationCoordinator::Ticket ticket = beginOperation(app);
    if (!ticket)
        co_return;
    const OperationRecord historyRecord(this, app, HistoryRecord::Kind::UndoRemoval);
    co_await Operations::undoRemoval(OperationContext(this, app), *record);
}

RemovalPlan InstallEngine::removalPlan(const CatalogApp &app)
{
    return RemovalSteps::plan(OperationContext(this, app), installMethod(app));
}

bool InstallEngine::canUndoRemoval(const QString &appID) const
{
    return m_coordinator->removals()->canUndo(appID);
}

QCoro::Task<OperationOutcome> InstallEngine::perform(AppOperation operation, CatalogApp app)
{
    using Kind = OperationOutcome::Kind;
    const OperationCoordinator::Ticket ticket = beginOperation(app);
    if (!ticket)
        co_return OperationOutcome { Kind::Refused, busySentence(app), {} };
    const auto kind = operation == AppOperation::Install ? HistoryRecord::Kind::Install
        : operation == AppOperation::Update              ? HistoryRecord::Kind::Update
                                                         : HistoryRecord::Kind::Uninstall;
    // Beside the run, not inside its copies: it is completed once the run is over, while the
    // ticket still shows whether a cancel was asked for.
    const OperationRecord record(this, app, kind);
    const OperationContext run(this, app);
    switch (operation) {
    case AppOperation::Install:
        co_await Operations::install(run);
        break;
    case AppOperation::Update:
        co_await Operations::update(run);
        break;
    case AppOperation::Uninstall:
        co_await Operations::uninstall(run, m_removalChoices.take(app.id));
        break;
    }
    if (!run.alive())
        co_return OperationOutcome { Kind::Cancelled, {}, {} };
    const InstallState now = state(app.id).value_or(InstallState::notInstalled());
    const auto goal
        = operation == AppOperation::Uninstall ? InstallState::Kind::NotInstalled : InstallState::Kind::Installed;
    // Done is done, even when a cancel came too late to stop it.
    if (now.kind == goal)
        co_return OperationOutcome { Kind::Succeeded, {}, {} };
    // The ticket is still held, so the cancel mark is still there to read.
    if (m_coordinator->isCancelled(app.id))
        co_return OperationOutcome { Kind::Cancelled, {}, {} };
    if (now.kind == InstallState::Kind::NeedsHomebrew)
        co_return OperationOutcome { Kind::NeedsHomebrew,
            tr("%1 installs through Homebrew, which isn't set up on this Mac yet.").arg(app.name), {} };
    if (now.kind == InstallState::Kind::Failed)
        co_return OperationOutcome { Kind::Failed, now.text, now.failure };
    co_return OperationOutcome { Kind::Failed, tr("%1 is not in the state asked for.").arg(app.name), {} };
}

QCoro::Task<OperationOutcome> InstallEngine::revert(CatalogApp app)
{
    using Kind = OperationOutcome::Kind;
    const OperationCoordinator::Ticket ticket = beginOperation(app);
    if (!ticket)
        co_return OperationOutcome { Kind::Refused, busySentence(app), {} };
    const OperationRecord record(this, app, HistoryRecord::Kind::Revert);
    const OperationContext run(this, app);
    co_await Operations::revert(run);
    if (!run.alive())
        co_return OperationOutcome { Kind::Cancelled, {}, {} };
    const InstallState now = state(app.id).value_or(InstallState::notInstalled());
    if (now.kind == InstallState::Kind::Installed)
        co_return OperationOutcome { Kind::Succeeded, {}, {} };
    co_return OperationOutcome { Kind::Failed, now.text, now.failure };
}

bool InstallEngine::cancel(const QString &appID)
{
    return m_coordinator->cancel(appID);
}

QCoro::Task<> InstallEngine::setUpHomebrewThenInstall(CatalogApp app)
{
    const OperationCoordinator::Ticket ticket = beginOperation(app);
    if (!ticket)
        co_return;
    const OperationRecord record(this, app, HistoryRecord::Kind::Install);
    co_await Operations::setUpHomebrewThenInstall(OperationContext(this, app));
}

QCoro::Task<bool> InstallEngine::setUpHomebrew(QString triggeringAppID)
{
    // The setup is for no app in particular; the one that asked for it names its lines in the log.
    CatalogApp triggering;
    triggering.id = triggeringAppID;
    const OperationRecord record(this, triggering, HistoryRecord::Kind::HomebrewSetup);
    co_return co_await Operations::setUpHomebrew(OperationContext(this, triggering));
}

QCoro::Task<> InstallEngine::refreshCaskList(CatalogApp app)
{
    const OperationCoordinator::Ticket ticket = beginOperation(app);
    if (!ticket)
        co_return;
    co_await Operations::refreshCaskList(OperationContext(this, app));
}

void InstallEngine::dismissFailure(const CatalogApp &app)
{
    const std::optional<InstallState> now = state(app.id);
    if (now && now->kind == InstallState::Kind::Failed)
        setState(app.id, detectedState(app));
}

QCoro::Task<int> InstallEngine::uninstallAllCatalogApps()
{
    if (m_uninstallAllInProgress)
        co_return 0;
    const QPointer<InstallEngine> self(this);
    setUninstallAllInProgress(true);
    const QList<CatalogApp> apps = Catalog::activeAndBuiltIn();
    // Leaves alone the apps with an operation running: their state is that operation's.
    refreshInstalledStatus(apps);
    int removed = 0;
    for (const CatalogApp &app : apps) {
        const bool busy = m_coordinator->isBusy(app.id);
        if (!busy && state(app.id) != InstallState::installed())
            continue;
        // Claimed with no suspension since the check; another process may still hold the app.
        const OperationCoordinator::Ticket ticket
            = busy ? OperationCoordinator::Ticket() : m_coordinator->beginOperation(app, this);
        if (!ticket) {
            appendLog(tr("note: Skipped %1: another operation on it is still running.").arg(app.name), app.id);
            continue;
        }
        const OperationRecord record(this, app, HistoryRecord::Kind::Uninstall);
        co_await Operations::uninstall(OperationContext(this, app), m_removalChoices.take(app.id));
        if (!self)
            co_return removed;
        if (state(app.id) == InstallState::notInstalled())
            ++removed;
    }
    setUninstallAllInProgress(false);
    co_return removed;
}

std::optional<QString> InstallEngine::unavailability(const CatalogApp &app) const
{
    const EngineServices *shared = services();
    const std::optional<CaskFacts> facts = shared ? shared->facts()->caskFacts(app) : std::nullopt;
    if (!facts || !facts->isDisabled())
        return std::nullopt;
    return CaskFactsText::unavailable(app.name, *facts);
}

QString InstallEngine::setupFailure() const
{
    return m_setupFailure.isEmpty() ? setupDidNotFinish() : m_setupFailure;
}

QCoro::Task<BrewResult> InstallEngine::runBrew(
    QStringList args, LineHandler onLine, std::optional<QString> appName, QString appID)
{
    // Read once: a later change of brewBinary does not touch a running command.
    const std::optional<QString> brew = m_brewBinary;
    if (!brew)
        co_return BrewResult::noHomebrew();
    const QPointer<InstallEngine> self(this);
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
    co_return co_await BrewRunner::run(
        *brew, args, BrewRunner::environment(*brew, m_env.helperDir, appName), m_coordinator, appID, deliver);
}

OperationCoordinator::Ticket InstallEngine::beginOperation(const CatalogApp &app)
{
    OperationCoordinator::Ticket ticket = m_coordinator->beginOperation(app, this);
    if (!ticket)
        //: A line of the log; %1 is a whole sentence
        appendLog(tr("note: %1").arg(busySentence(app)), app.id);
    return ticket;
}

void InstallEngine::capture(const QString &event, const QVariantMap &properties) const
{
    if (m_analytics)
        m_analytics->capture(event, properties);
}

void InstallEngine::setState(const QString &appID, const InstallState &state)
{
    adoptState(appID, state);
    // While this engine's operation on the app runs, every other window shows the same.
    m_coordinator->report(appID, state, this);
}

void InstallEngine::adoptState(const QString &appID, const InstallState &state)
{
    // brew's output repeats one note for line after line: the entry written last is compared
    // without hashing the id again.
    if (m_lastAdopted && m_lastAdopted->first == appID && m_lastAdopted->second.sameInEveryDetail(state))
        return;
    auto it = m_states.find(appID);
    if (it != m_states.end() && it->sameInEveryDetail(state)) {
        m_lastAdopted.emplace(appID, state);
        return;
    }
    m_states.insert(appID, state);
    m_lastAdopted.emplace(appID, state);
    Q_EMIT stateChanged(appID);
}

void InstallEngine::redetect(const CatalogApp &app)
{
    const bool present = app.bundleID && installedAppURL(*app.bundleID);
    adoptState(app.id, present ? InstallState::installed() : InstallState::notInstalled());
}

void InstallEngine::setSetupInProgress(bool inProgress)
{
    if (m_setupInProgress == inProgress)
        return;
    m_setupInProgress = inProgress;
    Q_EMIT setupInProgressChanged(inProgress);
}

void InstallEngine::setPermissionNote(const QString &appID, bool present)
{
    if (m_permissionNotes.contains(appID) == present)
        return;
    if (present)
        m_permissionNotes.insert(appID);
    else
        m_permissionNotes.remove(appID);
    Q_EMIT permissionNotesChanged();
}

void InstallEngine::setUninstallAllInProgress(bool inProgress)
{
    if (m_uninstallAllInProgress == inProgress)
        return;
    m_uninstallAllInProgress = inProgress;
    Q_EMIT uninstallAllInProgressChanged(inProgress);
}
