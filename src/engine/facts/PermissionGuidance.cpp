#include "engine/facts/PermissionGuidance.h"

#include <QCoreApplication>

// Each sentence is written out whole for each pane, so that a translation can use the pane's name
// exactly as System Settings shows it in that language.

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
        //: The pane's name in System Settings › Privacy & Security, exactly as macOS shows it
        return QCoreApplication::translate("PermissionGuidance", "Accessibility");
    case Permission::ScreenRecording:
        //: The pane's name in System Settings › Privacy & Security, exactly as macOS shows it
        return QCoreApplication::translate("PermissionGuidance", "Screen Recording");
    }
    return {};
}

QString PermissionGuidance::required(Permission permission, const QString &appName)
{
    switch (permission) {
    case Permission::Accessibility:
        //: %1 is the app's name; the pane's names exactly as System Settings shows them
        return QCoreApplication::translate("PermissionGuidance",
            "Permission required: %1 needs Accessibility permission to work. It will ask on first launch — turn it "
            "on in System Settings › Privacy & Security › Accessibility, then switch on %1.")
            .arg(appName);
    case Permission::ScreenRecording:
        //: %1 is the app's name; the pane's names exactly as System Settings shows them
        return QCoreApplication::translate("PermissionGuidance",
            "Permission required: %1 needs Screen Recording permission to capture your screen. It will ask on first "
            "launch — turn it on in System Settings › Privacy & Security › Screen Recording, then switch on %1.")
            .arg(appName);
    }
    return {};
}

QString PermissionGuidance::prompt(Permission permission, const QString &appName)
{
    // The card's Accessibility line says when the app asks; its Screen Recording line is kept short.
    switch (permission) {
    case Permission::Accessibility:
        //: %1 is the app's name; the steps to turn it on follow on the next line
        return QCoreApplication::translate("PermissionGuidance",
            "%1 needs Accessibility permission to work. On first launch it will ask — turn it on:")
            .arg(appName);
    case Permission::ScreenRecording:
        //: %1 is the app's name; the steps to turn it on follow on the next line
        return QCoreApplication::translate(
            "PermissionGuidance", "%1 needs Screen Recording permission to capture your screen. Turn it on:")
            .arg(appName);
    }
    return {};
}

QString PermissionGuidance::where(Permission permission, const QString &appName)
{
    switch (permission) {
    case Permission::Accessibility:
        //: %1 is the app's name; the pane's names exactly as System Settings shows them
        return QCoreApplication::translate(
            "PermissionGuidance", "System Settings › Privacy & Security › Accessibility, then switch on %1.")
            .arg(appName);
    case Permission::ScreenRecording:
        //: %1 is the app's name; the pane's names exactly as System Settings shows them
        return QCoreApplication::translate(
            "PermissionGuidance", "System Settings › Privacy & Security › Screen Recording, then switch on %1.")
            .arg(appName);
    }
    return {};
}

QString PermissionGuidance::openPane(Permission permission)
{
    switch (permission) {
    case Permission::Accessibility:
        //: A button that opens the pane; the names exactly as System Settings shows them
        return QCoreApplication::translate("PermissionGuidance", "Open System Settings › Accessibility");
    case Permission::ScreenRecording:
        //: A button that opens the pane; the names exactly as System Settings shows them
        return QCoreApplication::translate("PermissionGuidance", "Open System Settings › Screen Recording");
    }
    return {};
}

QString PermissionGuidance::accessibilityLeftover(const QString &appName)
{
    //: %1 is the app's name; the pane's names exactly as System Settings shows them
    return QCoreApplication::translate("PermissionGuidance",
        "Removed %1. We could not clear its Accessibility permission automatically. You can remove the leftover "
        "entry in System Settings > Privacy & Security > Accessibility.")
        .arg(appName);
}
