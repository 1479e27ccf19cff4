#pragma once

#include "engine/Environment.h"

#include <QString>

#include <optional>

// The one earlier version of each direct-download app that an update replaced, kept in the data
// folder ("<dataDir>/Previous versions/<app id>/<Name>.app") so it can be put back. Blocking file
// work: run it off the main thread, except kept(), which only looks.
namespace KeptVersions {

struct Kept
{
    QString bundle; // the kept copy
    QString version; // its CFBundleShortVersionString; may be empty
    qint64 bytes = 0; // what it takes on disk
};

// Copies bundle (links kept as links) in place of the app's kept version, whole or not at all.
bool keep(const Environment &env, const QString &appID, const QString &bundle);
std::optional<Kept> kept(const Environment &env, const QString &appID);
// Where the app's kept version lives, whether or not one is there; empty without a data folder.
QString folder(const Environment &env, const QString &appID);
void drop(const Environment &env, const QString &appID);

} // namespace KeptVersions
