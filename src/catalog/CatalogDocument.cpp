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
        //: What is wrong with a catalog entry, written after: Entry 3 ("maccy"):
        return CatalogDocument::tr("the id is not a plain lower-case name");
    if (app.name.trimmed().isEmpty())
        //: What is wrong with a catalog entry, written after: Entry 3 ("maccy"):
        return CatalogDocument::tr("the name is empty");
    if (app.install.isHomebrewCask() && !isCaskToken(app.install.caskToken()))
        //: What is wrong with a catalog entry, written after: Entry 3 ("maccy"):
        return CatalogDocument::tr("the cask token is not one brew would take as a name");
    if (const DirectDownload *download = app.install.download()) {
        if (!isGitHubRepo(download->githubRepo))
            //: What is wrong with a catalog entry, written after: Entry 3 ("maccy"):
            return CatalogDocument::tr("the GitHub repository is not \"owner/name\"");
        if (!isPlainName(download->assetArm64) || !isPlainName(download->assetX64))
            //: What is wrong with a catalog entry, written after: Entry 3 ("maccy"):
            return CatalogDocument::tr("an asset name is not a plain file name");
    }
    const QUrl homepage(app.homepage, QUrl::StrictMode);
    if (!homepage.isValid() || homepage.scheme() != u"https"_s || homepage.host().isEmpty())
        //: What is wrong with a catalog entry, written after: Entry 3 ("maccy"):
        return CatalogDocument::tr("the home page is not an https address");
    if (app.bundleID && !isBundleID(*app.bundleID))
        //: What is wrong with a catalog entry, written after: Entry 3 ("maccy"):
        return CatalogDocument::tr("the bundle identifier is not one macOS would accept");
    for (const QString &screenshot : app.screenshots) {
        if (!isPlainName(screenshot))
            //: What is wrong with a catalog entry, written after: Entry 3 ("maccy"):
            return CatalogDocument::tr("a screenshot name is not a plain name");
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
        return fail(error, tr("The catalog is not a JSON object."));
    const QJsonObject top = document.object();
    const QJsonValue formatValue = top.value(u"format"_s);
    if (formatValue.toInt(-1) != format)
        //: %1 is the number of the catalog layout this program reads, e.g. 1.
        return fail(error, tr("The catalog is not of format %1.").arg(format));
    // A moment, not a day, and with its time zone: a local time would order catalogs differently
    // from one Mac to the next.
    const QString issuedField = top.value(u"issued"_s).toString();
    const QDateTime issued = QDateTime::fromString(issuedField, Qt::ISODate);
    if (!issued.isValid() || !issuedField.contains(u'T') || issued.timeSpec() == Qt::LocalTime)
        return fail(error, tr("The catalog has no valid \"issued\" date and time."));
    const QJsonValue appsValue = top.value(u"apps"_s);
    if (!appsValue.isArray() || appsValue.toArray().isEmpty())
        return fail(error, tr("The catalog has no list of apps."));

    CatalogDocument result;
    result.issued = issued.toUTC();
    QSet<QString> ids;
    const QJsonArray entries = appsValue.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int entry = int(i) + 1;
        if (!entries.at(i).isObject())
            //: %1 is the number of an entry in the catalog's list of apps, from 1.
            return fail(error, tr("Entry %1 is not an object.").arg(entry));
        QString why;
        const std::optional<CatalogApp> app = CatalogApp::fromJson(entries.at(i).toObject(), &why);
        if (!app)
            //: %1 is the number of an entry in the catalog's list of apps, %2 what is wrong with it.
            return fail(error, tr("Entry %1: %2").arg(QString::number(entry), why));
        const QString problem = unusable(*app);
        if (!problem.isEmpty())
            //: %1 is the number of an entry in the catalog's list of apps, %2 its id, %3 what is wrong
            //: with it ("the name is empty").
            return fail(error, tr("Entry %1 (\"%2\"): %3.").arg(QString::number(entry), app->id, problem));
        if (ids.contains(app->id))
            //: %1 is the number of an entry in the catalog's list of apps, %2 its id.
            return fail(error, tr("Entry %1: the id \"%2\" is used twice.").arg(QString::number(entry), app->id));
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
