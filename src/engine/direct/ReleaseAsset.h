#pragma once

#include "catalog/CatalogApp.h"
#include "engine/direct/GitHubRelease.h"

#include <QCoroTask>
#include <QString>

class GitHubReleaseClient;

// Which file of an app's GitHub releases this build installs, and finding it in the latest one.
namespace ReleaseAsset {

// assetX64 on Intel Macs, assetArm64 everywhere else.
QString name(const DirectDownload &download);
// The asset of that name in the latest release of download's repository; the name must match
// exactly, case included.
QCoro::Task<Outcome<GitHubAsset>> resolve(GitHubReleaseClient &client, DirectDownload download);

} // namespace ReleaseAsset
