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

namespace {

// The English labels: the JSON values, and the source texts of what the user reads.
const char *categoryText(CatalogApp::Category category)
{
    using Category = CatalogApp::Category;
    switch (category) {
    case Category::Window:
        //: A category of apps, in the sidebar and on an app's page.
        return QT_TRANSLATE_NOOP("CatalogApp", "Window & desktop");
    case Category::Clipboard:
        //: A category of apps, in the sidebar and on an app's page.
        return QT_TRANSLATE_NOOP("CatalogApp", "Clipboard & text");
    case Category::Media:
        //: A category of apps (video, audio, images), in the sidebar and on an app's page.
        return QT_TRANSLATE_NOOP("CatalogApp", "Media");
    case Category::Menubar:
        //: A category of apps that live in the menu bar, in the sidebar and on an app's page.
        return QT_TRANSLATE_NOOP("CatalogApp", "Menu bar");
    case Category::Security:
        //: A category of apps (password managers), in the sidebar and on an app's page.
        return QT_TRANSLATE_NOOP("CatalogApp", "Privacy & security");
    case Category::Files:
        //: A category of apps, in the sidebar and on an app's page.
        return QT_TRANSLATE_NOOP("CatalogApp", "Files & disk");
    }
    return "";
}

// Licence names are identifiers, the same in every language; only "Proprietary" is a word.
const char *licenseText(CatalogApp::License license)
{
    using License = CatalogApp::License;
    switch (license) {
    case License::Mit:
        return "MIT";
    case License::Apache:
        return "Apache-2.0";
    case License::Bsd:
        return "BSD";
    case License::Gpl:
        return "GPL";
    case License::ApacheCommonsClause:
        return "Apache-2.0 + Commons Clause";
    case License::Proprietary:
        //: An app's licence: closed source, owned by its maker.
        return QT_TRANSLATE_NOOP("CatalogApp", "Proprietary");
    }
    return "";
}

const char *pricingText(Pricing pricing)
{
    switch (pricing) {
    case Pricing::Free:
        //: An app's price: it costs nothing.
        return QT_TRANSLATE_NOOP("CatalogApp", "Free");
    case Pricing::Freemium:
        //: An app's price: free, with paid extras.
        return QT_TRANSLATE_NOOP("CatalogApp", "Freemium");
    }
    return "";
}

// A price per period as catalogs write it ("$30/yr"), in the language in use ("30 $/an"); the
// amount itself is kept as written.
QString priceInLanguage(const QString &priceText)
{
    struct Period
    {
        QStringView suffix;
        const char *text;
    };
    static const Period periods[] {
        //: A yearly price; %1 is the amount with its currency, e.g. "$30".
        { u"/yr", QT_TRANSLATE_NOOP("CatalogApp", "%1/yr") },
        //: A monthly price; %1 is the amount with its currency, e.g. "$23".
        { u"/mo", QT_TRANSLATE_NOOP("CatalogApp", "%1/mo") },
    };
    for (const Period &period : periods) {
        if (priceText.size() > period.suffix.size() && priceText.endsWith(period.suffix))
            return CatalogApp::tr(period.text).arg(priceText.chopped(period.suffix.size()));
    }
    return priceText;
}

} // namespace

QString CatalogApp::label(Category category)
{
    return tr(categoryText(category));
}

QString CatalogApp::jsonLabel(Category category)
{
    return QString::fromUtf8(categoryText(category));
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
    return tr(licenseText(license));
}

QString CatalogApp::jsonLabel(License license)
{
    return QString::fromUtf8(licenseText(license));
}

QList<CatalogApp::License> CatalogApp::allLicenses()
{
    return { License::Mit, License::Apache, License::Bsd, License::Gpl, License::ApacheCommonsClause,
        License::Proprietary };
}

QString CatalogApp::label(Pricing pricing)
{
    return tr(pricingText(pricing));
}

QString CatalogApp::jsonLabel(Pricing pricing)
{
    return QString::fromUtf8(pricingText(pricing));
}

// The taglines' translations are made from the built-in list (CatalogList.cpp), so they carry its
// context; a refreshed catalog's tagline that matches one of them reads translated too.
CatalogApp CatalogApp::translated() const
{
    CatalogApp result = *this;
    result.tagline = QCoreApplication::translate("CatalogList", tagline.toUtf8().constData());
    if (result.replaces)
        result.replaces->priceText = priceInLanguage(replaces->priceText);
    return result;
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
