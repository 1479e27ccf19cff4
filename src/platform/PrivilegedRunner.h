#pragma once

// How a command that needs administrator rights is run on this system.
namespace PrivilegedRunner {

// True where the system itself can grant administrator rights behind its own password prompt:
// macOS in a session that has the screen (osascript "do shell script … with administrator
// privileges"). Elsewhere, and on a Mac reached over ssh, such commands run as the current user
// through /bin/sh, where sudo without a password (as on a build machine) may still grant them.
bool hasAdministratorPrompt();

} // namespace PrivilegedRunner
