#pragma once

#include <QString>

// Opens application bundles the way the system would when the user double-clicks them, and shows
// them in the Finder.
namespace Workspace {

// Asks the system to start the application at bundlePath (or bring it forward), activating it.
// Returns at once; true when the request was made. Whether the application then starts is not
// observed.
bool openApplication(const QString &bundlePath);
// Shows the item at path selected in a Finder window (elsewhere: opens the folder holding it).
// False, with nothing opened, when nothing is at path.
bool revealInFinder(const QString &path);

} // namespace Workspace
