#include "engine/homebrew/OutdatedCasks.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

Outcome<QList<OutdatedCask>> unreadable(const QString &why)
{
    return Outcome<QList<OutdatedCask>>::failure({ EngineError::Domain::Updates, EngineError::Failed,
        //: %1 says what is wrong with it
        QCoreApplication::translate("OutdatedCasks", "Homebrew’s list of updates could not be read: %1").arg(why) });
}

} // namespace

Outcome<QList<OutdatedCask>> OutdatedCasks::decode(const QByteArray &json, const QSet<QString> &tokens)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return unreadable(QCoreApplication::translate("OutdatedCasks", "it is not valid JSON."));
    if (!document.isObject())
        return unreadable(QCoreApplication::translate("OutdatedCasks", "it is not a list of casks."));
    const QJsonValue casks = document.object().value(u"casks"_s);
    if (!casks.isArray())
        return unreadable(QCoreApplication::translate("OutdatedCasks", "“casks” is missing."));

    QList<OutdatedCask> result;
    for (const QJsonValue &entry : casks.toArray()) {
        const QJsonObject object = entry.toObject();
        OutdatedCask cask { object.value(u"name"_s).toString(), {}, object.value(u"current_version"_s).toString() };
        if (!tokens.contains(cask.token) || cask.currentVersion.isEmpty())
            continue;
        // Homebrew wrote a single text here before it wrote a list.
        const QJsonValue installed = object.value(u"installed_versions"_s);
        if (installed.isString())
            cask.installedVersions = { installed.toString() };
        for (const QJsonValue &version : installed.toArray()) {
            if (version.isString())
                cask.installedVersions.append(version.toString());
        }
        result.append(cask);
    }
    return Outcome<QList<OutdatedCask>>::success(result);
}
