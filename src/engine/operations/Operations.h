#pragma once

#include "catalog/CatalogApp.h"
#include "engine/disk/RemovalRecord.h"
#include "engine/operations/OperationContext.h"

#include <QCoroTask>
#include <QString>

// The operations on one app, each a coroutine in a file of its own that reads top to bottom, over
// the run's context. None fails other than through the app's state; the caller holds the app's
// ticket for the whole run.
namespace Operations {

// Install.cpp: gets the app onto the Mac, through Homebrew or from its GitHub releases; ends in
// installed, needs Homebrew or failed.
QCoro::Task<> install(OperationContext run);
QCoro::Task<> installViaBrew(OperationContext run);

// DirectDownload.cpp: the latest GitHub release, checked, unpacked and put in place; replacing is
// the installed bundle an update takes the place of (empty for an install), label names the app
// in the notes ("Maccy 2.1.0").
QCoro::Task<> directDownload(OperationContext run, DirectDownload download, QString label, QString replacing);

// Update.cpp: `brew upgrade --cask`, or the latest release in place of the installed bundle.
QCoro::Task<> update(OperationContext run);

// Revert.cpp: puts back the version of a direct-download app that its last update replaced
// (direct/KeptVersions), through the same replace; fails, touching nothing, when none is kept.
QCoro::Task<> revert(OperationContext run);

// Uninstall.cpp: quits the app, stops its background tasks, removes it the way it came, moves the
// leftovers chosen to the Trash and clears its privacy permissions; what moved can be undone.
QCoro::Task<> uninstall(OperationContext run);
QCoro::Task<> uninstall(OperationContext run, RemovalChoice choice);

// UndoRemoval.cpp: reinstalls a cask through Homebrew, then puts every moved item back; ends in
// the state the disk shows, or failed naming what could not be put back.
QCoro::Task<> undoRemoval(OperationContext run, RemovalRecord record);

// RefreshCaskList.cpp: `brew update`, for a cask Homebrew did not know.
QCoro::Task<> refreshCaskList(OperationContext run);

// HomebrewSetup.cpp: the one-time Homebrew setup, true when brew is ready afterwards; and the
// setup followed by the app's install.
QCoro::Task<bool> setUpHomebrew(OperationContext run);
QCoro::Task<> setUpHomebrewThenInstall(OperationContext run);
// The privileged part on macOS: Homebrew's signed installer package. The exit status, or -1 when
// it could not run.
QCoro::Task<int> installHomebrewPackage(OperationContext run);

} // namespace Operations
