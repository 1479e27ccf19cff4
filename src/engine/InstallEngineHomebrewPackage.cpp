#include "engine/InstallEngine.h"
#include "engine/direct/GitHubReleaseClient.h"
#include "engine/homebrew/HomebrewSetupCommand.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString homebrewRepository = u"Homebrew/brew"_s;

bool isInstallerPackage(const GHAsset &asset)
{
    return asset.name.startsWith(u"Homebrew"_s) && asset.name.endsWith(u".pkg"_s);
}

// A name nobody can guess ahead of the password prompt.
QString privilegedFolder(const QString &parent)
{
    QRandomGenerator *random = QRandomGenerator::system();
    const QString tag = QString::number(random->generate64(), 16) + QString::number(random->generate64(), 16);
    return QDir(parent).absoluteFilePath(u"orvando-setup-"_s + tag);
}

} // namespace

// Homebrew's official installer package is fetched as the user, then copied, checked and installed
// by one administrator shell: the one password prompt of the setup. Root checks its own copy,
// since anything of the user's can be changed by any process the user runs.
QCoro::Task<int> InstallEngine::installHomebrewPackage(QString appID)
{
    const QPointer<InstallEngine> self(this);
    const std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(m_env.tempDir, u"setup"_s);
    if (!work || m_env.privilegedTempDir.isEmpty()) {
        appendLog(u"error: No private temporary folder is available for the setup."_s, appID);
        co_return -1;
    }
    GitHubReleaseClient client(m_env.githubApi, work->path(), m_coordinator->network());
    client.setUnannouncedLimit(m_env.unannouncedDownloadLimit);
    const Outcome<GHAsset> asset = co_await client.findAsset(homebrewRepository, isInstallerPackage, u"Homebrew.pkg"_s);
    if (!self)
        co_return -1;
    if (!asset.succeeded()) {
        appendLog(u"error: "_s + asset.error.description, appID);
        co_return -1;
    }
    // Root checks its copy against what GitHub published, never against a reading of the user's
    // file, which any process of the user's can change once it has been checked.
    const QString published = asset->sha256();
    if (published.isEmpty()) {
        const QString sentence = HomebrewSetupCommand::failedCheckSentence(u"checksum"_s);
        appendLog(u"error: "_s + sentence, appID);
        setSetupFailure(sentence);
        co_return -1;
    }
    const Outcome<QString> download = co_await client.download(*asset);
    if (!self)
        co_return -1;
    if (!download.succeeded()) {
        appendLog(u"error: "_s + download.error.description, appID);
        co_return -1;
    }

    HomebrewSetupCommand::PackageInstall install;
    install.package = *download;
    install.sha256 = published;
    install.folder = privilegedFolder(m_env.privilegedTempDir);
    install.ownerUid = ::getuid();
    install.installer = m_env.tools.installer;
    install.pkgutil = m_env.tools.pkgutil;
    install.shasum = m_env.tools.shasum;
    const QString command = HomebrewSetupCommand::installerPackageCommand(install);
    const QStringList arguments { u"-e"_s, HomebrewSetupCommand::appleScriptSource(command) };
    const QString logPath = HomebrewSetupCommand::packageLogPath(install.folder);
    const int code = co_await runSetupCommand(appID, m_env.tools.osascript, arguments, logPath);

    const QString checkPath = HomebrewSetupCommand::failedCheckPath(install.folder);
    if (self && code != 0) {
        const SafeFile::Content check = SafeFile::read(checkPath, 64);
        const QString sentence = HomebrewSetupCommand::failedCheckSentence(QString::fromUtf8(check.bytes));
        if (!sentence.isEmpty()) {
            appendLog(u"error: "_s + sentence, appID);
            setSetupFailure(sentence);
        }
    }
    // The shell gave its folder back to this user at its end: what is left of it goes now.
    QFile::remove(logPath);
    QFile::remove(checkPath);
    QDir().rmdir(install.folder);
    co_return code;
}
