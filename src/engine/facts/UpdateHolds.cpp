#include "engine/facts/UpdateHolds.h"

#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

std::optional<QString> UpdateHolds::skippedVersion(const QString &appID)
{
    return UserDefaults::standard().stringValue(SettingsKeys::skippedVersion(appID));
}

void UpdateHolds::skipVersion(const QString &appID, const QString &version)
{
    UserDefaults::standard().setString(SettingsKeys::skippedVersion(appID), version);
}

bool UpdateHolds::isHeld(const QString &appID)
{
    return UserDefaults::standard().boolValue(SettingsKeys::updatesHeld(appID));
}

void UpdateHolds::setHeld(const QString &appID, bool held)
{
    if (held) {
        UserDefaults::standard().setBool(SettingsKeys::updatesHeld(appID), true);
        return;
    }
    clear(appID);
}

void UpdateHolds::clear(const QString &appID)
{
    UserDefaults::standard().remove(SettingsKeys::updatesHeld(appID));
    UserDefaults::standard().remove(SettingsKeys::skippedVersion(appID));
}

bool UpdateHolds::isHoldKey(const QString &key)
{
    return key.startsWith(SettingsKeys::skippedVersion({})) || key.startsWith(SettingsKeys::updatesHeld({}));
}

std::optional<QString> UpdateHolds::reason(const AppUpdate &update, const QString &appName)
{
    if (isHeld(update.appID))
        return QCoreApplication::translate("UpdateHolds", "You asked not to check %1 for updates.").arg(appName);
    if (skippedVersion(update.appID) == update.availableVersion)
        //: %1 is the app's name, %2 the version skipped
        return QCoreApplication::translate("UpdateHolds", "You skipped %1 %2.").arg(appName, update.availableVersion);
    return std::nullopt;
}
