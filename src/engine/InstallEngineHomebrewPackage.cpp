#include "engine/GitHubReleaseClient.h"
#include "engine/HomebrewSetupCommand.h"
#include "engine/InstallEngine.h"

#include <QFile>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

const QString homebrewRepository = u"Homebrew/brew"_s;

bool isInstallerPackage(const GHAsset &asset)
{
    return asset.name.startsWith(u"Homebrew"_s) && asset.name.endsWith(u".pkg"_s);
}

} // namespace

// Homebrew's official installer package is fetched as the user, then installed by the system's
// installer with administrator rights: the one password prompt of the setup.
QCoro::Task<int> InstallEngine::installHomebrewPackage(QString appID)
{
    const QPointer<InstallEngine> self(this);
    GitHubReleaseClient client(m_env.githubApi, m_env.tempDir);
    const Outcome<GHAsset> asset = co_await client.findAsset(homebrewRepository, isInstallerPackage, u"Homebrew.pkg"_s);
    if (!self)
        co_return -1;
    if (!asset.succeeded()) {
        appendLog(u"error: "_s + asset.error.description, appID);
        co_return -1;
    }

    const Outcome<QString> download = co_await client.download(QUrl(asset->browserDownloadURL), asset->digest);
    if (!self || !download.succeeded()) {
        if (self)
            appendLog(u"error: "_s + download.error.description, appID);
        else if (download.succeeded())
            QFile::remove(*download);
        co_return -1;
    }
    // installer knows a package by its name.
    const QString package = *download + u".pkg"_s;
    QFile::remove(package);
    if (!QFile::rename(*download, package)) {
        QFile::remove(*download);
        appendLog(u"error: Homebrew's installer package could not be saved."_s, appID);
        co_return -1;
    }

    const QString command = HomebrewSetupCommand::installerPackageCommand(package, bootstrapLogPath(appID));
    const QStringList arguments { u"-e"_s, HomebrewSetupCommand::appleScriptSource(command) };
    const int code = co_await runSetupCommand(appID, m_env.tools.osascript, arguments);
    QFile::remove(package);
    co_return code;
}
