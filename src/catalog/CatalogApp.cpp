#include "catalog/CatalogApp.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Apps that steer windows or input and so need the Accessibility permission.
const QStringList &accessibilityIDs()
{
    static const QStringList ids { u"rectangle"_s, u"loop"_s, u"alt-tab"_s, u"espanso"_s, u"sol"_s, u"linearmouse"_s };
    return ids;
}

const QStringList &screenRecordingIDs()
{
    static const QStringList ids { u"shottr"_s };
    return ids;
}

size_t hashOptional(const std::optional<QString> &value, size_t seed)
{
    return value ? qHashMulti(seed, true, *value) : qHash(false, seed);
}

} // namespace

bool CatalogApp::requiresAccessibilityPermission() const
{
    return accessibilityIDs().contains(id);
}

bool CatalogApp::requiresScreenRecordingPermission() const
{
    return screenRecordingIDs().contains(id);
}

QList<CatalogApp::Category> CatalogApp::allCategories()
{
    return { Category::Window, Category::Clipboard, Category::Media, Category::Menubar, Category::Security,
        Category::Files };
}

QString CatalogApp::label(Category category)
{
    switch (category) {
    case Category::Window:
        return u"Window & desktop"_s;
    case Category::Clipboard:
        return u"Clipboard & text"_s;
    case Category::Media:
        return u"Media"_s;
    case Category::Menubar:
        return u"Menu bar"_s;
    case Category::Security:
        return u"Privacy & security"_s;
    case Category::Files:
        return u"Files & disk"_s;
    }
    return {};
}

QString CatalogApp::symbol(Category category)
{
    switch (category) {
    case Category::Window:
        return u"macwindow"_s;
    case Category::Clipboard:
        return u"doc.on.clipboard"_s;
    case Category::Media:
        return u"play.rectangle"_s;
    case Category::Menubar:
        return u"menubar.rectangle"_s;
    case Category::Security:
        return u"lock.shield"_s;
    case Category::Files:
        return u"internaldrive"_s;
    }
    return {};
}

QString CatalogApp::label(License license)
{
    switch (license) {
    case License::Mit:
        return u"MIT"_s;
    case License::Apache:
        return u"Apache-2.0"_s;
    case License::Bsd:
        return u"BSD"_s;
    case License::Gpl:
        return u"GPL"_s;
    case License::ApacheCommonsClause:
        return u"Apache-2.0 + Commons Clause"_s;
    case License::Proprietary:
        return u"Proprietary"_s;
    }
    return {};
}

QList<CatalogApp::License> CatalogApp::allLicenses()
{
    return { License::Mit, License::Apache, License::Bsd, License::Gpl, License::ApacheCommonsClause,
        License::Proprietary };
}

QString CatalogApp::label(Pricing pricing)
{
    switch (pricing) {
    case Pricing::Free:
        return u"Free"_s;
    case Pricing::Freemium:
        return u"Freemium"_s;
    }
    return {};
}

size_t qHash(const DirectDownload &download, size_t seed) noexcept
{
    return qHashMulti(seed, download.githubRepo, download.assetArm64, download.assetX64);
}

size_t qHash(const Replacement &replacement, size_t seed) noexcept
{
    return qHashMulti(seed, replacement.app, replacement.priceText);
}

size_t qHash(const InstallSource &source, size_t seed) noexcept
{
    if (const DirectDownload *download = source.download())
        return qHashMulti(seed, 1, *download);
    return qHashMulti(seed, 0, source.caskToken());
}

size_t qHash(const CatalogApp &app, size_t seed) noexcept
{
    seed = qHashMulti(seed, app.id, app.name, app.tagline, static_cast<int>(app.category), app.install,
        static_cast<int>(app.license), static_cast<int>(app.pricing), app.homepage);
    seed = hashOptional(app.bundleID, seed);
    seed = qHashMulti(seed, app.isCurated, app.replaces.has_value());
    if (app.replaces)
        seed = qHash(*app.replaces, seed);
    return qHashRange(app.screenshots.cbegin(), app.screenshots.cend(), seed);
}
