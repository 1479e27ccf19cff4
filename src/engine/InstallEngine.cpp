#include "engine/InstallEngine.h"

#include "engine/InstallLogFile.h"
#include "telemetry/Analytics.h"

#include <QDebug>

using namespace Qt::StringLiterals;

InstallEngine::InstallEngine(Environment env, Analytics *analytics, OperationCoordinator *coordinator, QObject *parent)
    : QObject(parent)
    , m_env(std::move(env))
    , m_analytics(analytics)
    , m_coordinator(coordinator ? coordinator : OperationCoordinator::shared())
    , m_log(new InstallLog(this))
{
    // brew is looked for once here, and again only after a Homebrew setup, in any window.
    m_brewBinary = resolveBrewBinary(m_env);

    // A window opened while other windows work shows what they are doing.
    m_states = m_coordinator->runningStates();
    m_bootstrapInProgress = m_coordinator->setupRunning();
    connect(m_coordinator, &OperationCoordinator::stateReported, this,
        [this](const QString &appID, const InstallState &state, const QObject *owner) {
            if (owner != this)
                adoptState(appID, state);
        });
    connect(m_coordinator, &OperationCoordinator::operationEnded, this, [this](const CatalogApp &app, bool ownerGone) {
        if (ownerGone)
            redetect(app);
    });
    connect(m_coordinator, &OperationCoordinator::setupRunningChanged, this, &InstallEngine::setBootstrapInProgress);
    connect(
        m_coordinator, &OperationCoordinator::homebrewReady, this, [this] { setBrewBinary(resolveBrewBinary(m_env)); });
    // The file only ever receives lines; the window's log starts empty at every start.
    if (!m_env.logDir.isEmpty())
        m_logFile = InstallLogFile::forFolder(m_env.logDir);
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
    m_log->append(LogLine { m_logCounter, appID, text });
    if (m_logFile)
        m_logFile->append(appID, text);
}

void InstallEngine::setState(const QString &appID, const InstallState &state)
{
    adoptState(appID, state);
    // While this engine's operation on the app runs, every other window shows the same.
    m_coordinator->report(appID, state, this);
}

void InstallEngine::adoptState(const QString &appID, const InstallState &state)
{
    auto it = m_states.find(appID);
    if (it != m_states.end() && it->sameInEveryDetail(state))
        return;
    m_states.insert(appID, state);
    Q_EMIT stateChanged(appID);
}

void InstallEngine::redetect(const CatalogApp &app)
{
    const bool present = app.bundleID && installedAppURL(*app.bundleID);
    adoptState(app.id, present ? InstallState::installed() : InstallState::notInstalled());
}

OperationCoordinator::Ticket InstallEngine::beginOperation(const CatalogApp &app)
{
    OperationCoordinator::Ticket ticket = m_coordinator->beginOperation(app, this);
    if (!ticket)
        appendLog(u"note: Another operation on "_s + app.name + u" is still running; try again when it has finished."_s,
            app.id);
    return ticket;
}

void InstallEngine::setUninstallAllInProgress(bool inProgress)
{
    if (m_uninstallAllInProgress == inProgress)
        return;
    m_uninstallAllInProgress = inProgress;
    Q_EMIT uninstallAllInProgressChanged(inProgress);
}

void InstallEngine::setBootstrapInProgress(bool inProgress)
{
    if (m_bootstrapInProgress == inProgress)
        return;
    m_bootstrapInProgress = inProgress;
    Q_EMIT bootstrapInProgressChanged(inProgress);
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

void InstallEngine::capture(const QString &event, const QVariantMap &properties) const
{
    if (m_analytics)
        m_analytics->capture(event, properties);
}

namespace {

QCoro::Task<> runGuarded(QCoro::Task<> task)
{
    try {
        co_await std::move(task);
    } catch (const std::exception &e) {
        qWarning() << "engine operation ended by an exception:" << e.what();
    } catch (...) {
        qWarning() << "engine operation ended by an unknown exception";
    }
}

} // namespace

void InstallEngine::startDetached(QCoro::Task<> task)
{
    // Dropping the guard's task is fine: the coroutine runs to its end on its own.
    [[maybe_unused]] auto guarded = runGuarded(std::move(task));
}
