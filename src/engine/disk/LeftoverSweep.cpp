#include "engine/disk/LeftoverSweep.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

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
