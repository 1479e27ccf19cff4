#include "engine/InstallEngine.h"

#include "engine/EngineServices.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/homebrew/BrewRunner.h"
#include "engine/log/InstallLogFile.h"
#include "telemetry/Analytics.h"

#include <QPointer>

using namespace Qt::StringLiterals;

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
    connect(m_coordinator, &OperationCoordinator::homebrewReady, this,
        [this] { setBrewBinary(BrewRunner::resolveBinary(m_env)); });
    // The file only ever receives lines; the window's log starts empty at every start, but for a
    // word when the folder cannot be used.
    if (!m_env.logDir.isEmpty()) {
        m_logFile = InstallLogFile::forFolder(m_env.logDir);
        if (!m_logFile)
            appendLog(u"warning: No log files are written: the log folder "_s + m_env.logDir
                    + u" is a link to another place."_s,
                {});
    }
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

namespace {

QString busySentence(const CatalogApp &app)
{
    return u"Another operation on "_s + app.name + u" is still running; try again when it has finished."_s;
}

} // namespace

OperationCoordinator::Ticket InstallEngine::beginOperation(const CatalogApp &app)
{
    OperationCoordinator::Ticket ticket = m_coordinator->beginOperation(app, this);
    if (!ticket)
        appendLog(u"note: "_s + busySentence(app), app.id);
    return ticket;
}

QCoro::Task<OperationOutcome> InstallEngine::perform(AppOperation operation, CatalogApp app)
{
    using Kind = OperationOutcome::Kind;
    const OperationCoordinator::Ticket ticket = beginOperation(app);
    if (!ticket)
        co_return OperationOutcome { Kind::Refused, busySentence(app), {} };
    const QPointer<InstallEngine> self(this);
    switch (operation) {
    case AppOperation::Install:
        co_await installSteps(app);
        break;
    case AppOperation::Update:
        co_await updateSteps(app);
        break;
    case AppOperation::Uninstall:
        co_await uninstallSteps(app);
        break;
    }
    if (!self)
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
            app.name + u" installs through Homebrew, which isn't set up on this Mac yet."_s, {} };
    if (now.kind == InstallState::Kind::Failed)
        co_return OperationOutcome { Kind::Failed, now.text, now.failure };
    co_return OperationOutcome { Kind::Failed, app.name + u" is not in the state asked for."_s, {} };
}

bool InstallEngine::cancel(const QString &appID)
{
    return m_coordinator->cancel(appID);
}

bool InstallEngine::stoppedOnRequest(const CatalogApp &app)
{
    if (!m_coordinator->isCancelled(app.id))
        return false;
    appendLog(u"note: Cancelled. "_s + app.name + u" is left as it is on disk."_s, app.id);
    setState(app.id, detectedState(app));
    return true;
}

EngineServices *InstallEngine::services() const
{
    return m_services;
}

AppStatus InstallEngine::status(const CatalogApp &app) const
{
    const EngineServices *shared = services();
    const std::optional<CaskFacts> facts = shared ? shared->facts()->caskFacts(app) : std::nullopt;
    const std::optional<AppUpdate> update = shared ? shared->updates()->update(app.id) : std::nullopt;
    return AppStatus::of(app, state(app.id), facts, update, QDate::currentDate());
}

std::optional<QString> InstallEngine::unavailability(const CatalogApp &app) const
{
    const EngineServices *shared = services();
    const std::optional<CaskFacts> facts = shared ? shared->facts()->caskFacts(app) : std::nullopt;
    if (!facts || !facts->isDisabled())
        return std::nullopt;
    return CaskFactsText::unavailable(app.name, *facts);
}

void InstallEngine::assessInstalled(const CatalogApp &app)
{
    EngineServices *shared = services();
    const std::optional<QString> bundle = app.bundleID ? installedAppURL(*app.bundleID) : std::nullopt;
    if (!shared || !bundle)
        return;
    shared->requestGatekeeper(app.id, *bundle);
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
