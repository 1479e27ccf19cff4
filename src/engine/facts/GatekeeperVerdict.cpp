#include "engine/facts/GatekeeperVerdict.h"

using namespace Qt::StringLiterals;

QString GatekeeperVerdict::title()
{
    return u"Gatekeeper"_s;
}

QString GatekeeperVerdict::text(const GatekeeperAssessment &assessment)
{
    switch (assessment.verdict) {
    case GatekeeperAssessment::Verdict::NotChecked:
        return u"Not checked on this computer"_s;
    case GatekeeperAssessment::Verdict::Accepted:
        return u"Accepted: "_s + assessment.source
            + (assessment.origin.isEmpty() ? QString() : u" ("_s + assessment.origin + u')');
    case GatekeeperAssessment::Verdict::Rejected:
        return u"Rejected: "_s + assessment.source;
    }
    return {};
}

QString GatekeeperVerdict::checking()
{
    return u"Checking…"_s;
}
