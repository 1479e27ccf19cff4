#include "platform/Gatekeeper.h"

GatekeeperAssessment Gatekeeper::assess(const QString &)
{
    // There is no Gatekeeper here to ask.
    return {};
}
