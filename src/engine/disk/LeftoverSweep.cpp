#include "engine/disk/LeftoverSweep.h"

#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool removePermanently(const QFileInfo &entry)
{
    if (entry.isSymLink())
        return QFile::remove(entry.filePath()); // the link, not what it points at
    if (entry.isDir())
        return QDir(entry.filePath()).removeRecursively();
    return QFile::remove(entry.filePath());
}

} // namespace

QStringList LeftoverSweep::locations()
{
    return { u"Application Support"_s, u"Caches"_s, u"Containers"_s, u"HTTPStorages"_s, u"Logs"_s, u"Preferences"_s,
        u"Saved Application State"_s, u"LaunchAgents"_s };
}

bool LeftoverSweep::isSafeBundleID(const QString &bundleID)
{
    return !bundleID.isEmpty() && bundleID != u"."_s && bundleID != u".."_s && !bundleID.contains(u'/')
        && !bundleID.contains(QChar(u'\0'));
}

QStringList LeftoverSweep::paths(const QString &home, const QString &bundleID)
{
    if (!isSafeBundleID(bundleID) || !QDir::isAbsolutePath(home) || QDir::cleanPath(home) == u"/"_s)
        return {};
    const QString library = QDir::cleanPath(home) + u"/Library/"_s;
    const QString plist = bundleID + u".plist"_s;
    return { library + u"Application Support/"_s + bundleID, library + u"Caches/"_s + bundleID,
        library + u"Containers/"_s + bundleID, library + u"HTTPStorages/"_s + bundleID, library + u"Logs/"_s + bundleID,
        library + u"Preferences/"_s + plist, library + u"Saved Application State/"_s + bundleID + u".savedState"_s,
        library + u"LaunchAgents/"_s + plist };
}

QStringList LeftoverSweep::sweep(const QString &home, const QString &bundleID, QStringList *deletedForGood)
{
    const QStringList entries = paths(home, bundleID);
    if (entries.isEmpty())
        return {};
    // Where the Library really is: a link at Library, or at a location in it, that leads out of
    // the home folder's Library could make the sweep remove another folder's entry.
    const QString homeReal = QFileInfo(QDir::cleanPath(home)).canonicalFilePath();
    const QString libraryReal = QFileInfo(QDir::cleanPath(home) + u"/Library"_s).canonicalFilePath();
    if (homeReal.isEmpty() || libraryReal.isEmpty() || !libraryReal.startsWith(homeReal + u'/'))
        return {};

    const QStringList folders = locations();
    QStringList removed;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString folderReal = QFileInfo(libraryReal + u'/' + folders.at(i)).canonicalFilePath();
        if (folderReal.isEmpty() || !folderReal.startsWith(libraryReal + u'/'))
            continue;
        const QString path = folderReal + u'/' + QFileInfo(entries.at(i)).fileName();
        const QFileInfo entry(path);
        if (!entry.exists() && !entry.isSymLink())
            continue;
        // Recoverable, as Homebrew's own zap does with its trash entries.
        if (Trash::moveToTrash(path, nullptr)) {
            removed.append(entries.at(i));
        } else if (removePermanently(entry)) {
            removed.append(entries.at(i));
            if (deletedForGood)
                deletedForGood->append(entries.at(i));
        }
    }
    return removed;
}
