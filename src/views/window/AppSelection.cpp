#include "views/window/AppSelection.h"

#include "catalog/Catalog.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/CaskFactsService.h"

AppSelection::AppSelection(InstallEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    // When an operation ends (not at each of its progress notes), and when the facts make any app
    // unavailable or available again, what can be ticked may have changed.
    connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
        const std::optional<InstallState> state = m_engine->state(appID);
        if (!state
            || (state->kind != InstallState::Kind::Installing && state->kind != InstallState::Kind::Uninstalling))
            dropUnselectable();
    });
    if (EngineServices *services = engine->services())
        connect(services->facts(), &CaskFactsService::factsChanged, this, &AppSelection::dropUnselectable);
}

bool AppSelection::isSelectable(const InstallEngine &engine, const CatalogApp &app)
{
    const AppStatus status = engine.status(app);
    switch (status.kind) {
    case AppStatus::Kind::Installed:
    case AppStatus::Kind::UpdateAvailable:
    case AppStatus::Kind::Unavailable:
        return false;
    default:
        // A failed update leaves the app installed.
        return !status.update;
    }
}

bool AppSelection::isBusy(const CatalogApp &app) const
{
    const std::optional<InstallState> state = m_engine->state(app.id);
    return state && (state->kind == InstallState::Kind::Installing || state->kind == InstallState::Kind::Uninstalling);
}

QList<CatalogApp> AppSelection::apps() const
{
    QList<CatalogApp> apps;
    for (const CatalogApp &app : Catalog::active())
        if (m_ids.contains(app.id))
            apps.append(app);
    return apps;
}

void AppSelection::setSelected(const CatalogApp &app, bool selected)
{
    if (selected == m_ids.contains(app.id) || (selected && !isSelectable(app)))
        return;
    if (selected)
        m_ids.insert(app.id);
    else
        m_ids.remove(app.id);
    Q_EMIT changed();
}

void AppSelection::select(const QList<CatalogApp> &apps)
{
    for (const CatalogApp &app : apps)
        if (isSelectable(app))
            m_ids.insert(app.id);
    Q_EMIT changed();
}

void AppSelection::clear()
{
    m_ids.clear();
    Q_EMIT changed();
}

void AppSelection::dropUnselectable()
{
    for (const CatalogApp &app : apps())
        if (!isSelectable(app))
            m_ids.remove(app.id);
    Q_EMIT changed();
}
