#include "engine/operations/OperationContext.h"

#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/homebrew/BrewRunner.h"

using namespace Qt::StringLiterals;

OperationContext::OperationContext(InstallEngine *engine, CatalogApp app)
    : m_engine(engine)
    , m_app(std::move(app))
    , m_env(engine->environment())
    , m_coordinator(engine->coordinator())
{
}

bool OperationContext::stopAsked() const
{
    return m_coordinator->isCancelled(m_app.id);
}

bool OperationContext::stoppedOnRequest() const
{
    if (!stopAsked())
        return false;
    appendLog(u"note: "_s + tr("Cancelled. %1 is left as it is on disk.").arg(m_app.name));
    setState(detectedState());
    return true;
}

void OperationContext::setState(const InstallState &state) const
{
    if (m_engine)
        m_engine->setState(m_app.id, state);
}

void OperationContext::setPermissionNote(bool present) const
{
    if (m_engine)
        m_engine->setPermissionNote(m_app.id, present);
}

void OperationContext::appendLog(const QString &text) const
{
    if (m_engine)
        m_engine->appendLog(text, m_app.id);
}

qint64 OperationContext::lastLogLine() const
{
    return m_engine ? m_engine->logCounter() : 0;
}

void OperationContext::capture(const QString &event) const
{
    if (m_engine)
        m_engine->capture(event, { { u"app_id"_s, m_app.id } });
}

QCoro::Task<BrewResult> OperationContext::runBrew(QStringList args, LineHandler onLine) const
{
    if (!m_engine)
        co_return BrewResult::noHomebrew();
    co_return co_await m_engine->runBrew(std::move(args), std::move(onLine), m_app.name, m_app.id);
}

EngineServices *OperationContext::services() const
{
    return m_engine ? m_engine->services() : nullptr;
}

bool OperationContext::brewAvailable() const
{
    return m_engine && m_engine->brewAvailable();
}

std::optional<QString> OperationContext::installedBundle() const
{
    if (!m_app.bundleID)
        return std::nullopt;
    return m_engine ? m_engine->installedAppURL(*m_app.bundleID) : std::nullopt;
}

std::optional<InstallMethod> OperationContext::installMethod() const
{
    return m_engine ? m_engine->installMethod(m_app) : std::nullopt;
}

InstallState OperationContext::detectedState() const
{
    return m_engine ? m_engine->detectedState(m_app) : InstallState::notInstalled();
}

std::optional<QString> OperationContext::unavailability() const
{
    return m_engine ? m_engine->unavailability(m_app) : std::nullopt;
}

void OperationContext::assessInstalled() const
{
    EngineServices *shared = services();
    const std::optional<QString> bundle = installedBundle();
    if (!shared || !bundle)
        return;
    shared->requestGatekeeper(m_app.id, *bundle);
}

void OperationContext::launch() const
{
    if (m_engine)
        m_engine->launch(m_app);
}

OperationContext::LineHandler OperationContext::logSink() const
{
    return [engine = m_engine, id = m_app.id](const QString &line) {
        if (engine)
            engine->appendLog(line, id);
    };
}

OperationContext::SetupRunner OperationContext::setupRunnerOverride() const
{
    return m_engine ? m_engine->m_setupRunnerOverride : SetupRunner();
}

QString OperationContext::setupFailure() const
{
    return m_engine ? m_engine->setupFailure() : QString();
}

void OperationContext::setSetupFailure(const QString &sentence) const
{
    if (m_engine)
        m_engine->m_setupFailure = sentence;
}

void OperationContext::setSetupLog(const QString &path) const
{
    if (m_engine)
        m_engine->m_setupLogPath = path;
}

void OperationContext::setSetupLinesEmitted(qint64 count) const
{
    if (m_engine)
        m_engine->m_setupLinesEmitted = count;
}

void OperationContext::lookForBrewAgain() const
{
    if (m_engine)
        m_engine->m_brewBinary = BrewRunner::resolveBinary(m_env);
}
