#pragma once

#include <QString>

// Opens application bundles the way the system would when the user double-clicks them.
namespace Workspace {

// Asks the system to start the application at bundlePath (or bring it forward), activating it.
// Returns at once; true when the request was made. Whether the application then starts is not
// observed.
bool openApplication(const QString &bundlePath);

} // namespace Workspace
