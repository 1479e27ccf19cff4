#include "engine/InstallEngine.h"

#include "engine/InstallLogFile.h"
#include "telemetry/Analytics.h"

#include <QDebug>

InstallEngine::InstallEngine(Environment env, Analytics *analytics, QObject *parent)
    : QObject(parent)
    , m_env(std::move(env))
    , m_analytics(analytics)
    , m_log(new InstallLog(this))
{
    // brew is looked for once here, and again only after a Homebrew setup.
    m_brewBinary = resolveBrewBinary(m_env);
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
    auto it = m_states.find(appID);
    if (it != m_states.end() && it->sameInEveryDetail(state))
        return;
    m_states.insert(appID, state);
    Q_EMIT stateChanged(appID);
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
