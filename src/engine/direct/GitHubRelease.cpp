#include "engine/direct/GitHubRelease.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

EngineError unreadable(const QString &why)
{
    //: %1 says what is wrong with it
    return { EngineError::Domain::Decoding, 4864,
        GitHubRelease::tr("The release information from GitHub could not be read: %1").arg(why) };
}

EngineError missing(const QString &key)
{
    //: %1 is the name of a field in GitHub's answer
    return unreadable(GitHubRelease::tr("“%1” is missing.").arg(key));
}
EngineError wrongType(const QString &key)
{
    //: %1 is the name of a field in GitHub's answer
    return unreadable(GitHubRelease::tr("“%1” has the wrong type.").arg(key));
}

// A required text value: present and a string (an explicit null counts as missing).
std::optional<EngineError> readString(const QJsonObject &object, const QString &key, QString *out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return missing(key);
    if (!value.isString())
        return wrongType(key);
    *out = value.toString();
    return std::nullopt;
}

} // namespace

QString GitHubAsset::sha256() const
{
    static const QRegularExpression form(u"^sha256:[0-9a-f]{64}$"_s, QRegularExpression::CaseInsensitiveOption);
    return form.match(digest).hasMatch() ? digest.mid(7).toLower() : QString();
}

qint64 GitHubAsset::byteCount(const QJsonValue &value)
{
    // 2^63 is the first double a qint64 cannot hold; converting it, or anything larger, is
    // undefined, and on some machines gives the largest qint64: no limit at all.
    const double number = value.toDouble(-1);
    if (!value.isDouble() || !(number >= 0 && number < 9223372036854775808.0))
        return -1;
    return qint64(number);
}

Outcome<GitHubRelease> GitHubRelease::decode(const QByteArray &json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Outcome<GitHubRelease>::failure(unreadable(tr("it is not valid JSON.")));
    if (!document.isObject())
        return Outcome<GitHubRelease>::failure(unreadable(tr("it is not a release.")));

    const QJsonValue assets = document.object().value(u"assets"_s);
    if (assets.isUndefined() || assets.isNull())
        return Outcome<GitHubRelease>::failure(missing(u"assets"_s));
    if (!assets.isArray())
        return Outcome<GitHubRelease>::failure(wrongType(u"assets"_s));

    GitHubRelease release;
    // Optional as well: only the version shown and the update check read it.
    release.tagName = document.object().value(u"tag_name"_s).toString();
    for (const QJsonValue &entry : assets.toArray()) {
        if (!entry.isObject())
            return Outcome<GitHubRelease>::failure(wrongType(u"assets"_s));
        const QJsonObject object = entry.toObject();
        GitHubAsset asset;
        if (auto error = readString(object, u"name"_s, &asset.name))
            return Outcome<GitHubRelease>::failure(*error);
        if (auto error = readString(object, u"browser_download_url"_s, &asset.browserDownloadURL))
            return Outcome<GitHubRelease>::failure(*error);
        // Optional: older releases have no digest, and an unexpected form is simply not used.
        asset.digest = object.value(u"digest"_s).toString();
        asset.size = GitHubAsset::byteCount(object.value(u"size"_s));
        release.assets.append(asset);
    }
    return Outcome<GitHubRelease>::success(release);
}
