#include "engine/facts/UpdateHolds.h"

#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"

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
        return u"You asked not to check "_s + appName + u" for updates."_s;
    if (skippedVersion(update.appID) == update.availableVersion)
        return u"You skipped "_s + appName + u' ' + update.availableVersion + u'.';
    return std::nullopt;
}
