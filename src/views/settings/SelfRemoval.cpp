#include "views/settings/SelfRemoval.h"

#include "engine/homebrew/ShellQuote.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// Folders that many programs share: a marker found in one of them was put there by mistake.
bool isSharedFolder(const QString &path, const QString &home)
{
    static const QStringList shared { u"/"_s, u"/usr"_s, u"/usr/local"_s, u"/opt"_s, u"/opt/homebrew"_s,
        u"/Applications"_s, u"/Library"_s, u"/System"_s, u"/Users"_s, u"/home"_s, u"/bin"_s, u"/sbin"_s };
    if (shared.contains(path))
        return true;
    // The home folder, or any folder above it, holds the user's own files.
    const QString cleanHome = QDir::cleanPath(home);
    return cleanHome == path || cleanHome.startsWith(path + u'/');
}

} // namespace

namespace SelfRemoval {

QString markerFileName()
{
    return u".orvando-install"_s;
}

QString installationPath()
{
    QDir dir(QCoreApplication::applicationDirPath());
    if (dir.dirName() == u"MacOS"_s && dir.cdUp() && dir.dirName() == u"Contents"_s && dir.cdUp()
        && dir.dirName().endsWith(u".app"_s, Qt::CaseInsensitive))
        return dir.absolutePath();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/.."_s);
}

bool isOwnInstallation(const QString &path, const Found &found, const QString &home)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path) || found.isSymLink || !found.isFolder)
        return false;
    const QString clean = QDir::cleanPath(path);
    if (clean.endsWith(u".app"_s, Qt::CaseInsensitive) && found.hasInfoPlist)
        return true;
    return found.hasMarker && !isSharedFolder(clean, home);
}

bool isOwnInstallation(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    const QFileInfo folder(clean);
    const Found found { folder.isSymLink(), folder.isDir(), QFileInfo(clean + u"/Contents/Info.plist"_s).isFile(),
        QFileInfo(clean + u'/' + markerFileName()).isFile() };
    return isOwnInstallation(path, found, QDir::homePath());
}

QString removalCommand(const QString &path)
{
    return u"sleep 1; rm -rf "_s + ShellQuote::quoted(path);
}

bool cannotRemoveFromHere(const QString &path)
{
    if (!isOwnInstallation(path))
        return false;
    const QString clean = QDir::cleanPath(path);
    // Translocated copies live under .../AppTranslocation/<id>/d/ on a read-only mount.
    if (clean.contains(u"/AppTranslocation/"_s))
        return true;
    return !QFileInfo(QFileInfo(clean).absolutePath()).isWritable() || !QFileInfo(clean).isWritable();
}

QString cannotRemoveSentence()
{
    return QCoreApplication::translate("SelfRemoval",
        "Orvando can't remove itself from here. Move it to Applications first, or drag it to the Trash.");
}

bool removeAndQuit(const QString &path, const std::function<void()> &quit)
{
    if (cannotRemoveFromHere(path))
        return false;
    bool started = false;
    if (isOwnInstallation(path)) {
        // Detached, so the shell outlives the program it is about to delete.
        started = QProcess::startDetached(u"/bin/sh"_s, { u"-c"_s, removalCommand(QDir::cleanPath(path)) });
    }
    if (quit)
        quit();
    return started;
}

} // namespace SelfRemoval
