#pragma once

#include "engine/facts/AppUpdate.h"

#include <QString>

#include <optional>

// The updates the user chose to leave alone, kept in the user defaults so every window, the
// command line and the next start honour them: one version skipped per app ("Skip this version":
// the next version is offered again), and apps whose updates are not looked at ("Don't check for
// updates").
namespace UpdateHolds {

std::optional<QString> skippedVersion(const QString &appID);
void skipVersion(const QString &appID, const QString &version);
bool isHeld(const QString &appID);
// Held or not; letting go of a hold also forgets a skipped version.
void setHeld(const QString &appID, bool held);
void clear(const QString &appID);
// Whether key is one of those above, for a listener of UserDefaults::changed.
bool isHoldKey(const QString &key);

// Why update is left alone, in a sentence ("You skipped Maccy 2.3.0."); nothing when it is not.
std::optional<QString> reason(const AppUpdate &update, const QString &appName);

} // namespace UpdateHolds
