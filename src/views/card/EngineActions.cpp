#include "views/card/EngineActions.h"

#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "platform/Workspace.h"

namespace EngineActions {

void install(InstallEngine *engine, const CatalogApp &app)
{
    if (engine)
        startDetached(engine->install(app));
}

void update(InstallEngine *engine, const CatalogApp &app)
{
    if (engine)
        startDetached(engine->update(app));
}

void cancel(InstallEngine *engine, const CatalogApp &app)
{
    if (engine)
        engine->cancel(app.id);
}

void uninstall(InstallEngine *engine, const CatalogApp &app)
{
    if (engine)
        startDetached(engine->uninstall(app));
}

void setUpHomebrewThenInstall(InstallEngine *engine, const CatalogApp &app)
{
    if (engine)
        startDetached(engine->setUpHomebrewThenInstall(app));
}

void launch(InstallEngine *engine, const CatalogApp &app)
{
    // Whether it opened is not shown; a missing bundle leaves the card as it is.
    if (engine)
        engine->launch(app);
}

void dismissFailure(InstallEngine *engine, const CatalogApp &app)
{
    if (engine)
        engine->dismissFailure(app);
}

void showInFinder(const QString &path)
{
    // A path gone since the failure opens nothing; the card stays as it is.
    Workspace::revealInFinder(path);
}

void refreshCaskList(InstallEngine *engine, const CatalogApp &app)
{
    if (engine)
        startDetached(engine->refreshCaskList(app));
}

} // namespace EngineActions
