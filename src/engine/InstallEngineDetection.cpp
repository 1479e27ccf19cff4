#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/disk/BundleLocator.h"
#include "engine/homebrew/BrewRunner.h"
#include "platform/Workspace.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<QString> InstallEngine::installedAppURL(const Environment &env, const QString &bundleID)
{
    return BundleLocator(env.applicationFolders).find(bundleID);
}

std::optional<QString> InstallEngine::installedAppURL(const QString &bundleID) const
{
    return installedAppURL(m_env, bundleID);
}

bool InstallEngine::isCaskInstalled(const QString &token) const
{
    // A token is one folder name; anything else could point outside the Caskroom.
    if (!m_brewBinary || token.isEmpty() || token.contains(u'/') || token == u"."_s || token == u".."_s)
        return false;
    return QFileInfo::exists(BrewRunner::prefix(*m_brewBinary) + u"/Caskroom/"_s + token);
}

std::optional<InstallMethod> InstallEngine::installMethod(const CatalogApp &app) const
{
    const std::optional<QString> bundle = app.bundleID ? installedAppURL(*app.bundleID) : std::nullopt;
    if (app.install.isHomebrewCask() && isCaskInstalled(app.install.caskToken()))
        return InstallMethod::homebrewCask(app.install.caskToken());
    if (bundle)
        return InstallMethod::directApp(*bundle);
    return std::nullopt;
}

void InstallEngine::refreshInstalledStatus(const QList<CatalogApp> &apps)
{
    // One pass over the disk for the whole list; a new locator next time, so nothing is cached.
    BundleLocator locator(m_env.applicationFolders);
    for (const CatalogApp &app : apps) {
        // An operation running on the app, in any window, owns its state until it ends.
        if (m_coordinator->isBusy(app.id))
            continue;
        if (isPresent(app, locator)) {
            setState(app.id, InstallState::installed());
            continue;
        }
        // Gone since it was found (dragged to the Trash in the Finder, say): Open would fail. A
        // failure or a missing Homebrew stays on the card until the user acts on it.
        const std::optional<InstallState> now = state(app.id);
        if (!now || *now == InstallState::installed())
            setState(app.id, InstallState::notInstalled());
    }
    // What is installed may have changed: time to see what has updates (at most hourly).
    if (EngineServices *shared = services())
        shared->installedStateRefreshed();
}

InstallState InstallEngine::detectedState(const CatalogApp &app) const
{
    BundleLocator locator(m_env.applicationFolders);
    return isPresent(app, locator) ? InstallState::installed() : InstallState::notInstalled();
}

bool InstallEngine::isPresent(const CatalogApp &app, BundleLocator &locator) const
{
    // The bundle decides when its identifier is known: a cask folder outlives a bundle deleted by
    // hand. Without one, the cask's folder is all there is to go by.
    if (app.bundleID)
        return locator.find(*app.bundleID).has_value();
    return app.install.isHomebrewCask() && isCaskInstalled(app.install.caskToken());
}

bool InstallEngine::launch(const CatalogApp &app)
{
    if (!app.bundleID)
        return false;
    const std::optional<QString> bundle = installedAppURL(*app.bundleID);
    if (!bundle)
        return false;
    // Whether the system then starts it is not observed.
    Workspace::openApplication(*bundle);
    appendLog(u"==> Opening "_s + app.name, app.id);
    return true;
}
