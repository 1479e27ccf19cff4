#include "platform/PrivilegedRunner.h"

bool PrivilegedRunner::hasAdministratorPrompt()
{
    return false;
}
