#include "views/EngineActions.h"

#include "engine/InstallEngine.h"

namespace EngineActions {

// PENDING(h8): install, uninstall and the Homebrew setup are wired as the engine gains them.
void install(InstallEngine *, const CatalogApp &) { }
void uninstall(InstallEngine *, const CatalogApp &) { }
void setUpHomebrewThenInstall(InstallEngine *, const CatalogApp &) { }

void launch(InstallEngine *engine, const CatalogApp &app)
{
    if (engine)
        engine->launch(app);
}

} // namespace EngineActions
