#include "platform/PrivilegedRunner.h"

#include <Security/AuthSession.h>

// The system's password prompt is a window: it can only appear in a login session that has the
// screen. An ssh login or a background service has none, and osascript fails there at once.
bool PrivilegedRunner::hasAdministratorPrompt()
{
    SessionAttributeBits attributes = 0;
    if (SessionGetInfo(callerSecuritySession, nullptr, &attributes) != errSessionSuccess)
        return false;
    return (attributes & sessionHasGraphicAccess) != 0;
}
