#include "engine/facts/ReleaseFacts.h"

#include <QUrl>

using namespace Qt::StringLiterals;

std::optional<ReleaseFacts> ReleaseFacts::fromRelease(const GitHubRelease &release, const QString &assetName)
{
    for (const GitHubAsset &asset : release.assets) {
        if (asset.name != assetName)
            continue;
        // Only a digest the download can check counts as one.
        const bool sha256 = asset.digest.startsWith(u"sha256:"_s, Qt::CaseInsensitive) && asset.digest.size() > 7;
        return ReleaseFacts { release.tagName, asset.size, sha256, QUrl(asset.browserDownloadURL).host() };
    }
    return std::nullopt;
}

QJsonObject ReleaseFacts::toJson() const
{
    return { { u"tag"_s, tag }, { u"size"_s, double(assetSize) }, { u"digest"_s, hasDigest },
        { u"host"_s, downloadHost } };
}

ReleaseFacts ReleaseFacts::fromJson(const QJsonObject &object)
{
    return { object.value(u"tag"_s).toString(), GitHubAsset::byteCount(object.value(u"size"_s)),
        object.value(u"digest"_s).toBool(), object.value(u"host"_s).toString() };
}
