#include "engine/disk/RemovalPlan.h"

#include "engine/disk/LeftoverSweep.h"
#include "engine/disk/ZapPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

bool isInside(const QString &path, const QString &home)
{
    return path.startsWith(QDir::cleanPath(home) + u'/');
}

// The folders a Mac user keeps their own work in. A cask may name one of its folders there (an
// encoder's output folder in Documents), and what it holds is not the app's to take by default.
bool isInUserFolder(const QString &path, const QString &home)
{
    static const QStringList folders { u"Desktop"_s, u"Documents"_s, u"Downloads"_s, u"Movies"_s, u"Music"_s,
        u"Pictures"_s, u"Public"_s };
    for (const QString &folder : folders) {
        if (isInside(path, QDir::cleanPath(home) + u'/' + folder))
            return true;
    }
    return false;
}

void add(RemovalPlan &plan, const QString &path, const QString &home)
{
    for (const LeftoverItem &item : std::as_const(plan.leftovers)) {
        if (item.path == path)
            return;
    }
    if (plan.bundle && plan.bundle->path == path)
        return;
    LeftoverItem item;
    item.path = path;
    item.needsAdministrator = !isInside(path, home);
    item.inUserFolder = isInUserFolder(path, home);
    plan.leftovers.append(item);
}

} // namespace

QString shownPath(const QString &path, const QString &home)
{
    return isInside(path, home) ? u"~"_s + path.mid(QDir::cleanPath(home).size()) : path;
}

qint64 diskSize(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir())
        return info.isSymLink() ? 0 : info.size();
    qint64 total = 0;
    QDirIterator it(
        path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if (entry.isFile() && !entry.isSymLink())
            total += entry.size();
    }
    return total;
}

RemovalPlan RemovalPlan::find(const Source &source)
{
    RemovalPlan plan;
    const QString home = QDir::cleanPath(source.home);
    if (source.bundlePath && !source.bundlePath->isEmpty()) {
        LeftoverItem bundle;
        bundle.kind = LeftoverItem::Kind::AppBundle;
        bundle.path = QDir::cleanPath(*source.bundlePath);
        bundle.needsAdministrator = false; // the Applications folder is the user's to change
        plan.bundle = bundle;
    }
    if (!QDir::isAbsolutePath(home) || home == u"/"_s)
        return plan;

    const bool safeID = ZapPaths::isSafeBundleID(source.bundleID);
    if (!source.bundleID.isEmpty() && !safeID) {
        //: %1 is what the app gave as its bundle identifier
        plan.refused.append(
            QCoreApplication::translate("RemovalPlan", "%1: not a bundle identifier, so nothing is looked up by it")
                .arg(source.bundleID));
    }

    const QString ownID = safeID ? source.bundleID : QString();
    for (const QString &pattern : source.zap.paths()) {
        const ZapPaths::Result found = ZapPaths::expand(pattern, home, ownID, source.otherBundleIDs);
        for (const QString &path : found.paths)
            add(plan, path, home);
        plan.refused += found.refused;
    }
    if (safeID) {
        for (const QString &path : LeftoverSweep::paths(home, source.bundleID)) {
            const QFileInfo info(path);
            if (!info.exists() && !info.isSymLink())
                continue;
            if (ZapPaths::staysInside(path, home))
                add(plan, path, home);
            else
                plan.refused.append(
                    QCoreApplication::translate("ZapPaths", "%1: %2")
                        .arg(path, QCoreApplication::translate("ZapPaths", "it leads outside its folder")));
        }
    }

    plan.launchJobs = source.zap.launchctl;
    plan.loginItems = source.zap.loginItems;
    if (safeID && !plan.launchJobs.contains(source.bundleID)
        && QFileInfo::exists(home + u"/Library/LaunchAgents/"_s + source.bundleID + u".plist"_s))
        plan.launchJobs.append(source.bundleID);
    return plan;
}

void RemovalPlan::measure()
{
    if (bundle)
        bundle->size = diskSize(bundle->path);
    for (LeftoverItem &item : leftovers)
        item.size = diskSize(item.path);
}

bool RemovalPlan::isMeasured() const
{
    if (bundle && bundle->size < 0)
        return false;
    return std::all_of(leftovers.cbegin(), leftovers.cend(), [](const LeftoverItem &item) { return item.size >= 0; });
}

qint64 RemovalPlan::totalSize(bool withData) const
{
    qint64 total = bundle ? qMax<qint64>(bundle->size, 0) : 0;
    if (withData) {
        for (const LeftoverItem &item : leftovers) {
            if (!item.inUserFolder)
                total += qMax<qint64>(item.size, 0);
        }
    }
    return total;
}

bool RemovalPlan::needsAdministrator() const
{
    return std::any_of(
        leftovers.cbegin(), leftovers.cend(), [](const LeftoverItem &item) { return item.needsAdministrator; });
}

QJsonObject RemovalPlan::toJson() const
{
    const auto itemJson = [](const LeftoverItem &item) {
        QJsonObject object { { u"path"_s, item.path }, { u"kind"_s, item.isBundle() ? u"app"_s : u"data"_s } };
        if (item.size >= 0)
            object.insert(u"bytes"_s, item.size);
        if (item.needsAdministrator)
            object.insert(u"needsAdministrator"_s, true);
        if (item.inUserFolder)
            object.insert(u"inUserFolder"_s, true);
        return object;
    };
    QJsonArray items;
    if (bundle)
        items.append(itemJson(*bundle));
    for (const LeftoverItem &item : leftovers)
        items.append(itemJson(item));
    return { { u"items"_s, items }, { u"launchJobs"_s, QJsonArray::fromStringList(launchJobs) },
        { u"loginItems"_s, QJsonArray::fromStringList(loginItems) },
        { u"refused"_s, QJsonArray::fromStringList(refused) }, { u"bytes"_s, totalSize(true) } };
}
