#pragma once

#include <QString>
#include <QStringList>

// What macOS applications leave behind in the user's Library folder, found by bundle identifier.
namespace LeftoverSweep {

// The folders inside Library, in sweep order.
QStringList locations();

// A bundle identifier that names exactly one entry per location: not empty, not "." or "..", no
// "/" and no NUL. Anything else could name a whole location or reach past it.
bool isSafeBundleID(const QString &bundleID);

// The eight leftover paths, in location order, with bundleID used unchanged; empty when the
// identifier is unsafe or home is not an absolute folder path.
QStringList paths(const QString &home, const QString &bundleID);

} // namespace LeftoverSweep
