#pragma once

// How a command that needs administrator rights is run on this system.
namespace PrivilegedRunner {

// True where the system itself can grant administrator rights behind its own password prompt
// (macOS: osascript "do shell script … with administrator privileges"). Elsewhere such commands
// run as the current user through /bin/sh.
bool hasAdministratorPrompt();

} // namespace PrivilegedRunner
