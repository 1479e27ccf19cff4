#pragma once

#include "catalog/CatalogApp.h"

#include <QList>
#include <QString>

// What the card, the detail sheet and the command line tell a user about the macOS permissions an
// app asks for on first launch: which ones, where in System Settings they are switched on, and the
// sentences around them. Pure; the front ends only lay them out.
namespace PermissionGuidance {

enum class Permission { Accessibility, ScreenRecording };

// The permissions the app asks for, Accessibility first.
QList<Permission> needed(const CatalogApp &app);

// The pane's name under System Settings › Privacy & Security: "Screen Recording".
QString pane(Permission permission);
// The detail sheet's and the command line's note: "Permission required: Shottr needs Screen
// Recording permission to capture your screen. It will ask on first launch — turn it on in System
// Settings › Privacy & Security › Screen Recording, then switch on Shottr."
QString required(Permission permission, const QString &appName);
// The card's first line, which where() follows: "Shottr needs Screen Recording permission to
// capture your screen. Turn it on:".
QString prompt(Permission permission, const QString &appName);
// "System Settings › Privacy & Security › Screen Recording, then switch on Shottr."
QString where(Permission permission, const QString &appName);
// The button that opens the pane: "Open System Settings › Screen Recording".
QString openPane(Permission permission);
// After a removal that left the app's entry in the Accessibility pane behind.
QString accessibilityLeftover(const QString &appName);

} // namespace PermissionGuidance
