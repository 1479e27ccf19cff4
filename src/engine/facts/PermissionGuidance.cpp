#include "engine/facts/PermissionGuidance.h"

using namespace Qt::StringLiterals;

namespace {

// "Shottr needs Screen Recording permission to capture your screen".
QString need(PermissionGuidance::Permission permission, const QString &appName)
{
    const QString purpose
        = permission == PermissionGuidance::Permission::Accessibility ? u"work"_s : u"capture your screen"_s;
    return appName + u" needs "_s + PermissionGuidance::pane(permission) + u" permission to "_s + purpose;
}

} // namespace

QList<PermissionGuidance::Permission> PermissionGuidance::needed(const CatalogApp &app)
{
    QList<Permission> permissions;
    if (app.requiresAccessibilityPermission())
        permissions.append(Permission::Accessibility);
    if (app.requiresScreenRecordingPermission())
        permissions.append(Permission::ScreenRecording);
    return permissions;
}

QString PermissionGuidance::pane(Permission permission)
{
    switch (permission) {
    case Permission::Accessibility:
        return u"Accessibility"_s;
    case Permission::ScreenRecording:
        return u"Screen Recording"_s;
    }
    return {};
}

QString PermissionGuidance::required(Permission permission, const QString &appName)
{
    return u"Permission required: "_s + need(permission, appName) + u". It will ask on first launch — turn it on in "_s
        + where(permission, appName);
}

QString PermissionGuidance::prompt(Permission permission, const QString &appName)
{
    // The card's Accessibility line says when the app asks; its Screen Recording line is kept short.
    return need(permission, appName)
        + (permission == Permission::Accessibility ? u". On first launch it will ask — turn it on:"_s
                                                   : u". Turn it on:"_s);
}

QString PermissionGuidance::where(Permission permission, const QString &appName)
{
    return u"System Settings › Privacy & Security › "_s + pane(permission) + u", then switch on "_s + appName + u'.';
}

QString PermissionGuidance::openPane(Permission permission)
{
    return u"Open System Settings › "_s + pane(permission);
}

QString PermissionGuidance::accessibilityLeftover(const QString &appName)
{
    return u"Removed "_s + appName
        + u". We could not clear its Accessibility permission automatically. You can remove the leftover entry in "
          u"System Settings > Privacy & Security > Accessibility."_s;
}
