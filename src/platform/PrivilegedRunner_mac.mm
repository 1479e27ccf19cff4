#include "platform/PrivilegedRunner.h"

bool PrivilegedRunner::hasAdministratorPrompt()
{
    return true;
}
