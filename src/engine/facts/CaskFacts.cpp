#include "engine/facts/CaskFacts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

constexpr auto noCheck = "no_check";

QString text(const QJsonObject &object, const QString &key)
{
    return object.value(key).toString();
}

std::optional<QDate> date(const QJsonObject &object, const QString &key)
{
    const QDate value = QDate::fromString(text(object, key), Qt::ISODate);
    return value.isValid() ? std::optional(value) : std::nullopt;
}

// Homebrew first wrote one "<prefix>_replacement", later one key per kind of package.
QString replacement(const QJsonObject &object, const QString &prefix)
{
    for (const QString &suffix : { u"_replacement"_s, u"_replacement_cask"_s, u"_replacement_formula"_s }) {
        const QString value = text(object, prefix + suffix);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

CaskLifecycle lifecycle(const QJsonObject &object, const QString &flag, const QString &prefix)
{
    return { object.value(flag).toBool(), date(object, prefix + u"_date"_s), text(object, prefix + u"_reason"_s),
        replacement(object, prefix) };
}

void writeLifecycle(QJsonObject &object, const CaskLifecycle &mark, const QString &flag, const QString &prefix)
{
    object.insert(flag, mark.active);
    object.insert(prefix + u"_date"_s, mark.date ? QJsonValue(mark.date->toString(Qt::ISODate)) : QJsonValue());
    object.insert(prefix + u"_reason"_s, mark.reason.isEmpty() ? QJsonValue() : QJsonValue(mark.reason));
    object.insert(prefix + u"_replacement"_s, mark.replacement.isEmpty() ? QJsonValue() : QJsonValue(mark.replacement));
}

EngineError unreadable(const QString &why)
{
    return { EngineError::Domain::Facts, EngineError::Failed,
        u"Homebrew’s information about its apps could not be read: "_s + why };
}

} // namespace

std::optional<CaskFacts> CaskFacts::fromJson(const QJsonObject &cask)
{
    CaskFacts facts;
    facts.token = text(cask, u"token"_s);
    if (facts.token.isEmpty())
        return std::nullopt;
    facts.version = text(cask, u"version"_s);
    const QJsonValue sha256 = cask.value(u"sha256"_s);
    if (sha256.isString() && !sha256.toString().isEmpty())
        facts.checksum = sha256.toString() == QLatin1String(noCheck) ? Checksum::NotChecked : Checksum::Verified;
    facts.downloadHost = QUrl(text(cask, u"url"_s)).host();
    facts.autoUpdates = cask.value(u"auto_updates"_s).toBool();
    facts.deprecation = lifecycle(cask, u"deprecated"_s, u"deprecation"_s);
    facts.disable = lifecycle(cask, u"disabled"_s, u"disable"_s);
    const QJsonValue installed = cask.value(u"installed"_s);
    if (installed.isString() && !installed.toString().isEmpty())
        facts.installedVersion = installed.toString();
    for (const QJsonValue &artifact : cask.value(u"artifacts"_s).toArray()) {
        const QJsonValue zap = artifact.toObject().value(u"zap"_s);
        for (const QJsonValue &arg : zap.toArray())
            facts.zapArgs.append(arg);
    }
    return facts;
}

QJsonObject CaskFacts::toJson() const
{
    QJsonObject object { { u"token"_s, token }, { u"version"_s, version }, { u"auto_updates"_s, autoUpdates } };
    // The hash itself is not kept, only whether there is one.
    if (checksum != Checksum::Unknown)
        object.insert(u"sha256"_s, checksum == Checksum::NotChecked ? QLatin1String(noCheck) : "pinned"_L1);
    if (!downloadHost.isEmpty()) {
        // Through QUrl, which puts an IPv6 address in the brackets it needs to be read back.
        QUrl url;
        url.setScheme(u"https"_s);
        url.setHost(downloadHost);
        url.setPath(u"/"_s);
        object.insert(u"url"_s, url.toString());
    }
    writeLifecycle(object, deprecation, u"deprecated"_s, u"deprecation"_s);
    writeLifecycle(object, disable, u"disabled"_s, u"disable"_s);
    object.insert(u"installed"_s, installedVersion ? QJsonValue(*installedVersion) : QJsonValue());
    // Only the zap artifact is kept, in the shape Homebrew writes it.
    if (!zapArgs.isEmpty())
        object.insert(u"artifacts"_s, QJsonArray { QJsonObject { { u"zap"_s, zapArgs } } });
    return object;
}

Outcome<QList<CaskFacts>> CaskFacts::decodeBrewInfo(const QByteArray &json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return Outcome<QList<CaskFacts>>::failure(unreadable(u"it is not valid JSON."_s));
    const QJsonValue casks = document.object().value(u"casks"_s);
    if (!casks.isArray())
        return Outcome<QList<CaskFacts>>::failure(unreadable(u"“casks” is missing."_s));
    QList<CaskFacts> result;
    for (const QJsonValue &entry : casks.toArray()) {
        if (const auto facts = fromJson(entry.toObject()))
            result.append(*facts);
    }
    return Outcome<QList<CaskFacts>>::success(result);
}

Outcome<CaskFacts> CaskFacts::decodeApiCask(const QByteArray &json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return Outcome<CaskFacts>::failure(unreadable(u"it is not valid JSON."_s));
    const auto facts = fromJson(document.object());
    if (!facts)
        return Outcome<CaskFacts>::failure(unreadable(u"“token” is missing."_s));
    return Outcome<CaskFacts>::success(*facts);
}
