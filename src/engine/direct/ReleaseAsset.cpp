#include "engine/direct/ReleaseAsset.h"

#include "engine/direct/GitHubReleaseClient.h"

#include <QSysInfo>

using namespace Qt::StringLiterals;

QString ReleaseAsset::name(const DirectDownload &download)
{
    const bool intelMac = QSysInfo::kernelType() == u"darwin"_s && QSysInfo::buildCpuArchitecture() == u"x86_64"_s;
    return intelMac && !download.assetX64.isEmpty() ? download.assetX64 : download.assetArm64;
}

QCoro::Task<Outcome<GitHubAsset>> ReleaseAsset::resolve(GitHubReleaseClient &client, DirectDownload download)
{
    const QString wanted = name(download);
    // Exact and case-sensitive: a near miss may be another build of the app.
    const auto matches = [wanted](const GitHubAsset &asset) { return asset.name == wanted; };
    co_return co_await client.findAsset(download.githubRepo, matches, wanted);
}
