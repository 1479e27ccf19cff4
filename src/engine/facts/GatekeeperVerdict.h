#pragma once

#include "platform/Gatekeeper.h"

#include <QString>

// What the detail sheet's "Before you install" and the command line's `info` say Gatekeeper made of
// the copy installed on this Mac.
namespace GatekeeperVerdict {

// The row's title, "Gatekeeper".
QString title();
// "Accepted: Notarized Developer ID (Developer ID Application: Jane Doe (AB12CD34EF))",
// "Rejected: no usable signature" or "Not checked on this computer".
QString text(const GatekeeperAssessment &assessment);
// While the assessment is under way.
QString checking();

} // namespace GatekeeperVerdict
