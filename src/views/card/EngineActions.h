#pragma once

#include "catalog/CatalogApp.h"

class InstallEngine;

// What the card's and the sheet's buttons do: start one engine operation on the main thread and
// return at once, leaving the engine's state to show how it goes. A null engine does nothing.
namespace EngineActions {

void install(InstallEngine *engine, const CatalogApp &app);
void update(InstallEngine *engine, const CatalogApp &app);
// Stops the install or update of app running in this process; the app then shows what the disk holds.
void cancel(InstallEngine *engine, const CatalogApp &app);
void uninstall(InstallEngine *engine, const CatalogApp &app);
void setUpHomebrewThenInstall(InstallEngine *engine, const CatalogApp &app);
void launch(InstallEngine *engine, const CatalogApp &app);
// The ways out of a failure: back to what the disk says, the app in the way shown in the Finder,
// Homebrew's list of casks brought up to date.
void dismissFailure(InstallEngine *engine, const CatalogApp &app);
void showInFinder(const QString &path);
void refreshCaskList(InstallEngine *engine, const CatalogApp &app);

} // namespace EngineActions
