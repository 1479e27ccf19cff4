#pragma once

#include "catalog/CatalogApp.h"
#include "engine/Environment.h"
#include "engine/disk/InstallMethod.h"

#include <QString>

#include <optional>

class BundleLocator;

// What of the catalog is on this Mac, read from the disk each time: the bundles in the
// Applications folders and the casks in Homebrew's Caskroom.
namespace InstalledApps {

// The bundle with bundleID in env's Applications folders.
std::optional<QString> bundlePath(const Environment &env, const QString &bundleID);
// Whether the Caskroom of the Homebrew at brewBinary holds token's folder; false without brew.
bool hasCask(const std::optional<QString> &brewBinary, const QString &token);
// How app got onto the Mac: a cask Homebrew keeps, else a bundle put in place; nothing when it is
// not there.
std::optional<InstallMethod> installMethod(
    const Environment &env, const std::optional<QString> &brewBinary, const CatalogApp &app);
// Whether app is there, over a locator a refresh shares between apps: the bundle decides when its
// identifier is known, since a cask folder outlives a bundle deleted by hand; without one, the
// cask's folder is all there is to go by.
bool isPresent(const CatalogApp &app, BundleLocator &locator, const std::optional<QString> &brewBinary);

} // namespace InstalledApps
