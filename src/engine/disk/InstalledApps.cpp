#include "engine/disk/InstalledApps.h"

#include "engine/disk/BundleLocator.h"
#include "engine/homebrew/BrewRunner.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<QString> InstalledApps::bundlePath(const Environment &env, const QString &bundleID)
{
    return BundleLocator(env.applicationFolders).find(bundleID);
}

bool InstalledApps::hasCask(const std::optional<QString> &brewBinary, const QString &token)
{
    // A token is one folder name; anything else could point outside the Caskroom.
    if (!brewBinary || token.isEmpty() || token.contains(u'/') || token == u"."_s || token == u".."_s)
        return false;
    return QFileInfo::exists(BrewRunner::prefix(*brewBinary) + u"/Caskroom/"_s + token);
}

std::optional<InstallMethod> InstalledApps::installMethod(
    const Environment &env, const std::optional<QString> &brewBinary, const CatalogApp &app)
{
    const std::optional<QString> bundle = app.bundleID ? bundlePath(env, *app.bundleID) : std::nullopt;
    if (app.install.isHomebrewCask() && hasCask(brewBinary, app.install.caskToken()))
        return InstallMethod::homebrewCask(app.install.caskToken());
    if (bundle)
        return InstallMethod::directApp(*bundle);
    return std::nullopt;
}

bool InstalledApps::isPresent(const CatalogApp &app, BundleLocator &locator, const std::optional<QString> &brewBinary)
{
    if (app.bundleID)
        return locator.find(*app.bundleID).has_value();
    return app.install.isHomebrewCask() && hasCask(brewBinary, app.install.caskToken());
}
