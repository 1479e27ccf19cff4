#pragma once

#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"

// The real engine with its writers opened, so a test can put it in any state a flow would.
class CardTestEngine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setBootstrapInProgress;
    using InstallEngine::setPermissionNote;
    using InstallEngine::setState;
};

inline CatalogApp catalogApp(const QString &id)
{
    for (const CatalogApp &app : Catalog::v1())
        if (app.id == id)
            return app;
    qFatal("no catalog app %s", qPrintable(id));
}
