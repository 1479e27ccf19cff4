// The JSON form of a catalog entry: labels as values, the install source as a one-key object.
#include "catalog/CatalogApp.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

// Thrown inside the decoder only; fromJson turns it into its error text.
struct DecodeError
{
    QString message;
};

QJsonValue required(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        //: A catalog entry lacks a field; %1 is the JSON key, e.g. "homepage".
        throw DecodeError { CatalogApp::tr("No value associated with key \"%1\".").arg(key) };
    return value;
}

QString requiredString(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = required(object, key);
    if (!value.isString())
        //: %1 is a JSON key of a catalog entry.
        throw DecodeError { CatalogApp::tr("Expected a string for key \"%1\".").arg(key) };
    return value.toString();
}

QJsonObject requiredObject(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = required(object, key);
    if (!value.isObject())
        //: %1 is a JSON key of a catalog entry.
        throw DecodeError { CatalogApp::tr("Expected an object for key \"%1\".").arg(key) };
    return value.toObject();
}

// Absent and null both mean "not given", as for any optional field.
bool present(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    return !value.isUndefined() && !value.isNull();
}

template <typename Enum, typename Labeller>
Enum enumFromLabel(const QJsonObject &object, const QString &key, const QList<Enum> &cases, Labeller label)
{
    const QString text = requiredString(object, key);
    for (Enum candidate : cases) {
        if (label(candidate) == text)
            return candidate;
    }
    //: %1 is a JSON key of a catalog entry ("category"), %2 the value found there.
    throw DecodeError { CatalogApp::tr("Cannot initialize %1 from invalid value \"%2\".").arg(key, text) };
}

InstallSource installFromJson(const QJsonObject &object)
{
    if (object.size() != 1)
        //: The "install" field of a catalog entry must name exactly one kind of source.
        throw DecodeError { CatalogApp::tr("Invalid number of keys found, expected one.") };
    const QString kind = object.constBegin().key();
    if (kind == u"homebrewCask"_s)
        return InstallSource::homebrewCask(requiredString(requiredObject(object, kind), u"_0"_s));
    if (kind == u"directDownload"_s) {
        const QJsonObject download = requiredObject(requiredObject(object, kind), u"_0"_s);
        return InstallSource::directDownload({ requiredString(download, u"githubRepo"_s),
            requiredString(download, u"assetArm64"_s), requiredString(download, u"assetX64"_s) });
    }
    //: %1 is a JSON key found in the "install" field of a catalog entry.
    throw DecodeError { CatalogApp::tr("Cannot initialize install from invalid key \"%1\".").arg(kind) };
}

QJsonObject installToJson(const InstallSource &source)
{
    if (const DirectDownload *download = source.download()) {
        const QJsonObject payload { { u"githubRepo"_s, download->githubRepo },
            { u"assetArm64"_s, download->assetArm64 }, { u"assetX64"_s, download->assetX64 } };
        return { { u"directDownload"_s, QJsonObject { { u"_0"_s, payload } } } };
    }
    return { { u"homebrewCask"_s, QJsonObject { { u"_0"_s, source.caskToken() } } } };
}

QStringList screenshotsFromJson(const QJsonObject &object)
{
    const QJsonValue value = required(object, u"screenshots"_s);
    if (!value.isArray())
        throw DecodeError { CatalogApp::tr("Expected an array for key \"screenshots\".") };
    QStringList names;
    for (const QJsonValue &name : value.toArray()) {
        if (!name.isString())
            throw DecodeError { CatalogApp::tr("Expected a string in \"screenshots\".") };
        names.append(name.toString());
    }
    return names;
}

CatalogApp decode(const QJsonObject &object)
{
    CatalogApp app;
    app.id = requiredString(object, u"id"_s);
    app.name = requiredString(object, u"name"_s);
    app.tagline = requiredString(object, u"tagline"_s);
    app.category = enumFromLabel(object, u"category"_s, CatalogApp::allCategories(),
        [](CatalogApp::Category c) { return CatalogApp::jsonLabel(c); });
    app.install = installFromJson(requiredObject(object, u"install"_s));
    app.license = enumFromLabel(object, u"license"_s, CatalogApp::allLicenses(),
        [](CatalogApp::License l) { return CatalogApp::jsonLabel(l); });
    app.pricing = enumFromLabel(object, u"pricing"_s, QList<Pricing> { Pricing::Free, Pricing::Freemium },
        [](Pricing p) { return CatalogApp::jsonLabel(p); });
    app.homepage = requiredString(object, u"homepage"_s);
    if (present(object, u"bundleID"_s))
        app.bundleID = requiredString(object, u"bundleID"_s);
    const QJsonValue curated = required(object, u"isCurated"_s);
    if (!curated.isBool())
        throw DecodeError { CatalogApp::tr("Expected a boolean for key \"isCurated\".") };
    app.isCurated = curated.toBool();
    if (present(object, u"replaces"_s)) {
        const QJsonObject replaces = requiredObject(object, u"replaces"_s);
        app.replaces = Replacement { requiredString(replaces, u"app"_s), requiredString(replaces, u"priceText"_s) };
    }
    app.screenshots = screenshotsFromJson(object);
    return app;
}

} // namespace

QJsonObject CatalogApp::toJson() const
{
    QJsonObject object { { u"id"_s, id }, { u"name"_s, name }, { u"tagline"_s, tagline },
        { u"category"_s, jsonLabel(category) }, { u"install"_s, installToJson(install) },
        { u"license"_s, jsonLabel(license) }, { u"pricing"_s, jsonLabel(pricing) }, { u"homepage"_s, homepage },
        { u"isCurated"_s, isCurated }, { u"screenshots"_s, QJsonArray::fromStringList(screenshots) } };
    if (bundleID)
        object.insert(u"bundleID"_s, *bundleID);
    if (replaces)
        object.insert(
            u"replaces"_s, QJsonObject { { u"app"_s, replaces->app }, { u"priceText"_s, replaces->priceText } });
    return object;
}

std::optional<CatalogApp> CatalogApp::fromJson(const QJsonObject &object, QString *error)
{
    try {
        return decode(object);
    } catch (const DecodeError &failure) {
        if (error)
            *error = failure.message;
        return std::nullopt;
    }
}
