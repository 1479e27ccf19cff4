#include "catalog/CatalogDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool matchesWhole(const QString &text, const QString &pattern)
{
    return QRegularExpression(u"\\A(?:"_s + pattern + u")\\z"_s).match(text).hasMatch();
}

// Ids and screenshot names become file names (lock files, images): plain names only.
bool isPlainName(const QString &text)
{
    return matchesWhole(text, u"[A-Za-z0-9][A-Za-z0-9._-]{0,99}"_s) && !text.contains(u".."_s);
}

// What brew is given: a lower-case token, optionally behind its tap ("owner/tap/token"); never
// something it could read as an option.
bool isCaskToken(const QString &text)
{
    return matchesWhole(text, u"([a-z0-9][a-z0-9._-]*/){0,2}[a-z0-9][a-z0-9@._+-]*"_s) && !text.contains(u".."_s);
}

bool isGitHubRepo(const QString &text)
{
    return matchesWhole(text, u"[A-Za-z0-9][A-Za-z0-9_-]*/[A-Za-z0-9._-]+"_s) && !text.endsWith(u"/.."_s)
        && !text.endsWith(u"/."_s);
}

bool isBundleID(const QString &text)
{
    return matchesWhole(text, u"[A-Za-z0-9][A-Za-z0-9._-]{0,254}"_s) && !text.contains(u".."_s);
}

// The first reason the entry cannot be used as it is; empty when it can.
QString unusable(const CatalogApp &app)
{
    if (!isPlainName(app.id) || app.id != app.id.toLower())
        return u"the id is not a plain lower-case name"_s;
    if (app.name.trimmed().isEmpty())
        return u"the name is empty"_s;
    if (app.install.isHomebrewCask() && !isCaskToken(app.install.caskToken()))
        return u"the cask token is not one brew would take as a name"_s;
    if (const DirectDownload *download = app.install.download()) {
        if (!isGitHubRepo(download->githubRepo))
            return u"the GitHub repository is not \"owner/name\""_s;
        if (!isPlainName(download->assetArm64) || !isPlainName(download->assetX64))
            return u"an asset name is not a plain file name"_s;
    }
    const QUrl homepage(app.homepage, QUrl::StrictMode);
    if (!homepage.isValid() || homepage.scheme() != u"https"_s || homepage.host().isEmpty())
        return u"the home page is not an https address"_s;
    if (app.bundleID && !isBundleID(*app.bundleID))
        return u"the bundle identifier is not one macOS would accept"_s;
    for (const QString &screenshot : app.screenshots) {
        if (!isPlainName(screenshot))
            return u"a screenshot name is not a plain name"_s;
    }
    return {};
}

std::optional<CatalogDocument> fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

} // namespace

std::optional<CatalogDocument> CatalogDocument::fromJson(const QByteArray &json, QString *error)
{
    QJsonParseError parse {};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (!document.isObject())
        return fail(error, u"The catalog is not a JSON object."_s);
    const QJsonObject top = document.object();
    const QJsonValue formatValue = top.value(u"format"_s);
    if (formatValue.toInt(-1) != format)
        return fail(error, u"The catalog is not of format %1."_s.arg(format));
    // A moment, not a day, and with its time zone: a local time would order catalogs differently
    // from one Mac to the next.
    const QString issuedField = top.value(u"issued"_s).toString();
    const QDateTime issued = QDateTime::fromString(issuedField, Qt::ISODate);
    if (!issued.isValid() || !issuedField.contains(u'T') || issued.timeSpec() == Qt::LocalTime)
        return fail(error, u"The catalog has no valid \"issued\" date and time."_s);
    const QJsonValue appsValue = top.value(u"apps"_s);
    if (!appsValue.isArray() || appsValue.toArray().isEmpty())
        return fail(error, u"The catalog has no list of apps."_s);

    CatalogDocument result;
    result.issued = issued.toUTC();
    QSet<QString> ids;
    const QJsonArray entries = appsValue.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString where = u"Entry %1"_s.arg(i + 1);
        if (!entries.at(i).isObject())
            return fail(error, where + u" is not an object."_s);
        QString why;
        const std::optional<CatalogApp> app = CatalogApp::fromJson(entries.at(i).toObject(), &why);
        if (!app)
            return fail(error, where + u": "_s + why);
        const QString problem = unusable(*app);
        if (!problem.isEmpty())
            return fail(error, where + u" (\""_s + app->id + u"\"): "_s + problem + u'.');
        if (ids.contains(app->id))
            return fail(error, where + u": the id \""_s + app->id + u"\" is used twice."_s);
        ids.insert(app->id);
        result.apps.append(*app);
    }
    return result;
}

QByteArray CatalogDocument::toJson() const
{
    QJsonArray entries;
    for (const CatalogApp &app : apps)
        entries.append(app.toJson());
    const QJsonObject top { { u"format"_s, format }, { u"issued"_s, issuedText(issued) }, { u"apps"_s, entries } };
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString CatalogDocument::issuedText(const QDateTime &issued)
{
    return issued.toUTC().toString(Qt::ISODate);
}
