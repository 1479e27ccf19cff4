#include "support/Sandbox.h"

#include "engine/homebrew/ShellQuote.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QOperatingSystemVersion>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// Quoted for the shell file the fake brew sources.
QByteArray shellQuoted(const QString &value)
{
    return ShellQuote::quoted(value).toUtf8();
}

} // namespace

Sandbox::Sandbox()
{
    for (const QString &folder : { home(), systemApplications(), userApplications(), brewPrefix(), helperDir() })
        QDir().mkpath(folder);
    QDir().mkpath(tempDir());
    QFile::setPermissions(tempDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

Environment Sandbox::environment() const
{
    Environment env;
    env.home = home();
    env.applicationFolders = { systemApplications(), userApplications() };
    env.tempDir = tempDir();
    env.userHomebrewPrefix = brewPrefix();
    env.brewCandidates = { brewPath() };
    env.helperDir = helperDir();
    env.homebrewCache = home() + u"/Library/Caches/Homebrew"_s;
    env.tools = Environment::systemTools();
    return env;
}

bool Sandbox::installFakeBrew(const QString &appsFolder) const
{
    QFile source(QStringLiteral(ORVANDO_TEST_SUPPORT_DIR) + u"/fake-brew"_s);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QString apps = appsFolder.isEmpty() ? userApplications() : appsFolder;
    return writeFile(brewPath(), source.readAll(), true)
        && writeFile(brewPrefix() + u"/fake-brew.conf"_s,
            "FAKE_BREW_APPDIR=${FAKE_BREW_APPDIR:-" + shellQuoted(apps)
                + "}\nHOMEBREW_CACHE=" + shellQuoted(home() + u"/Library/Caches/Homebrew"_s) + '\n');
}

bool Sandbox::registerCask(const QString &token, const QString &appName, const QString &bundleID) const
{
    return writeFile(brewPrefix() + u"/fake-casks/"_s + token,
        "name=" + shellQuoted(appName) + "\nbundle_id=" + shellQuoted(bundleID) + '\n');
}

QStringList Sandbox::brewCalls() const
{
    QFile file(brewPrefix() + u"/fake-brew-calls.log"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QString Sandbox::makeBundle(const QString &folder, const QString &name, const QString &bundleID,
    PlistFile::Format format, const QByteArray &executableScript) const
{
    const QString bundle = folder + u'/' + name + u".app"_s;
    QVariantMap info { { u"CFBundleIdentifier"_s, bundleID }, { u"CFBundleName"_s, name } };
    if (!executableScript.isEmpty()) {
        info.insert(u"CFBundleExecutable"_s, name);
        if (!writeFile(bundle + u"/Contents/MacOS/"_s + name, executableScript, true))
            return {};
    }
    if (!PlistFile::write(bundle + u"/Contents/Info.plist"_s, info, format))
        return {};
    return bundle;
}

bool Sandbox::writeFile(const QString &path, const QByteArray &content, bool executable)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return false;
    file.close();
    if (executable)
        return file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup);
    return true;
}

bool Sandbox::setImmutable(const QString &path, bool on)
{
    if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::MacOS)
        return QProcess::execute(u"/usr/bin/chflags"_s, { on ? u"uchg"_s : u"nouchg"_s, path }) == 0;
    return QProcess::execute(u"chattr"_s, { on ? u"+i"_s : u"-i"_s, path }) == 0;
}
