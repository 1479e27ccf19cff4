#include "engine/Environment.h"

#include "platform/LogFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A folder we made or may trust: a real directory (no symlink), ours, closed to others.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info = {};
    if (lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return false;
    if ((info.st_mode & 077) != 0 && chmod(path.constData(), 0700) != 0)
        return false;
    return true;
}

} // namespace

QString Environment::makePrivateTempDir(const QString &parent)
{
    const QString stable = QDir(parent).absoluteFilePath(u"orvando-"_s + QString::number(getuid()));
    const QByteArray stablePath = QFile::encodeName(stable);
    mkdir(stablePath.constData(), 0700);
    if (isPrivateFolder(stablePath))
        return stable;
    // Someone else holds the stable name: take a fresh, unguessable one instead.
    QByteArray pattern = QFile::encodeName(QDir(parent).absoluteFilePath(u"orvando-XXXXXX"_s));
    if (mkdtemp(pattern.data()) == nullptr)
        return {};
    return QFile::decodeName(pattern);
}

Environment::Tools Environment::systemTools()
{
    Tools tools;
    const QString ditto = u"/usr/bin/ditto"_s;
    if (QFileInfo(ditto).isExecutable()) {
        tools.unzip = ditto;
    } else {
        const QString bsdtar = QStandardPaths::findExecutable(u"bsdtar"_s);
        tools.unzip = bsdtar.isEmpty() ? u"/usr/bin/bsdtar"_s : bsdtar;
    }
    tools.xattr = u"/usr/bin/xattr"_s;
    tools.tccutil = u"/usr/bin/tccutil"_s;
    tools.launchctl = u"/bin/launchctl"_s;
    tools.osascript = u"/usr/bin/osascript"_s;
    tools.sh = u"/bin/sh"_s;
    tools.installer = u"/usr/sbin/installer"_s;
    tools.pkgutil = u"/usr/sbin/pkgutil"_s;
    tools.shasum = u"/usr/bin/shasum"_s;
    return tools;
}

Environment Environment::system()
{
    Environment env;
    env.home = QDir::homePath();
    env.applicationFolders = { u"/Applications"_s, env.userApplications() };
    env.tempDir = makePrivateTempDir(QDir::tempPath());
    env.privilegedTempDir = QFileInfo(u"/private/tmp"_s).isDir() ? u"/private/tmp"_s : u"/tmp"_s;
    // On macOS the first application-support folder is ~/Library/Application Support.
    const QString appSupport = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    env.userHomebrewPrefix = appSupport + u"/orvando/Homebrew"_s;
    // Set, even to nothing, it makes a Mac with Homebrew behave as one without.
    if (!qEnvironmentVariableIsSet("ORVANDO_FORCE_NO_BREW"))
        env.brewCandidates
            = { env.userHomebrewPrefix + u"/bin/brew"_s, u"/opt/homebrew/bin/brew"_s, u"/usr/local/bin/brew"_s };
    if (QCoreApplication::instance())
        env.helperDir = QCoreApplication::applicationDirPath();
    env.logDir = LogFolder::path();

    env.cacheDir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    // As brew works it out: ~/Library/Caches/Homebrew on macOS, the XDG cache folder elsewhere.
    env.homebrewCache = qEnvironmentVariableIsEmpty("HOMEBREW_CACHE")
        ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/Homebrew"_s
        : qEnvironmentVariable("HOMEBREW_CACHE");
    // ~/Library/Application Support/Orvando on macOS.
    env.dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    env.tools = systemTools();
    env.askNetworkReachability = true;

    env.githubApi = QUrl(u"https://api.github.com"_s);
    env.homebrewInstallHost = QUrl(u"https://raw.githubusercontent.com"_s);
    env.homebrewApi = QUrl(u"https://formulae.brew.sh"_s);
    // Set when the program is built (ORVANDO_CATALOG_URL, ORVANDO_CATALOG_PUBLIC_KEY).
    env.catalogUrl = QUrl(QStringLiteral(ORVANDO_CATALOG_URL));
    env.catalogPublicKey = QStringLiteral(ORVANDO_CATALOG_PUBLIC_KEY);
    return env;
}
