#include "engine/EngineServices.h"

#include "engine/Detached.h"
#include "engine/OperationCoordinator.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/UpdateChecker.h"

#include <QCoroFuture>
#include <QPointer>
#include <QTimer>
#include <QtConcurrentRun>

EngineServices::EngineServices(Environment env, QList<CatalogApp> apps, OperationCoordinator *coordinator)
    : QObject(coordinator)
    , m_apps(std::move(apps))
{
    m_facts = new CaskFactsService(env, m_apps, coordinator->network(), this);
    m_updates = new UpdateChecker(env, m_apps, m_facts, coordinator->network(), this);
    m_facts->setCoordinator(coordinator);
    m_updates->setCoordinator(coordinator);
}

EngineServices::~EngineServices() = default;

void EngineServices::start()
{
    QTimer::singleShot(0, m_facts, &CaskFactsService::start);
}

void EngineServices::installedStateRefreshed()
{
    m_updates->installedStateRefreshed();
}

std::optional<GatekeeperAssessment> EngineServices::gatekeeper(const QString &appID) const
{
    const auto it = m_gatekeeper.constFind(appID);
    return it == m_gatekeeper.constEnd() ? std::nullopt : std::optional(*it);
}

QCoro::Task<GatekeeperAssessment> EngineServices::assessGatekeeper(QString appID, QString bundlePath)
{
    const QPointer<EngineServices> self(this);
    const GatekeeperAssessment assessment = co_await QtConcurrent::run(&Gatekeeper::assess, bundlePath);
    if (self) {
        m_gatekeeper.insert(appID, assessment);
        Q_EMIT gatekeeperChanged(appID);
    }
    co_return assessment;
}

void EngineServices::requestGatekeeper(const QString &appID, const QString &bundlePath)
{
    startDetached(assessGatekeeper(appID, bundlePath));
}

void EngineServices::forgetInstalled(const QString &appID)
{
    m_updates->forget(appID);
    if (m_gatekeeper.remove(appID) > 0)
        Q_EMIT gatekeeperChanged(appID);
}
