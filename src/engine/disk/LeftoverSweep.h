#pragma once

#include <QString>
#include <QStringList>

// What macOS applications leave behind in the user's Library folder, found by bundle identifier,
// and its removal to the Trash. Nothing outside the eight locations is ever touched.
namespace LeftoverSweep {

// The folders inside Library, in sweep order.
QStringList locations();

// A bundle identifier that names exactly one entry per location: not empty, not "." or "..", no
// "/" and no NUL. Anything else could name a whole location or reach past it.
bool isSafeBundleID(const QString &bundleID);

// The eight leftover paths, in location order, with bundleID used unchanged; empty when the
// identifier is unsafe or home is not an absolute folder path.
QStringList paths(const QString &home, const QString &bundleID);

// Moves whatever exists at paths(home, bundleID) to the Trash and returns the paths removed, in
// order. What the Trash refuses is deleted for good and also listed in *deletedForGood. A symbolic
// link is removed itself, never followed, and a location that resolves to a place outside the
// home folder's Library (Caches linked elsewhere, or Library itself) is not swept at all.
QStringList sweep(const QString &home, const QString &bundleID, QStringList *deletedForGood = nullptr);

} // namespace LeftoverSweep
