#include "engine/facts/GatekeeperVerdict.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

QString GatekeeperVerdict::title()
{
    return u"Gatekeeper"_s;
}

QString GatekeeperVerdict::text(const GatekeeperAssessment &assessment)
{
    switch (assessment.verdict) {
    case GatekeeperAssessment::Verdict::NotChecked:
        return QCoreApplication::translate("GatekeeperVerdict", "Not checked on this computer");
    case GatekeeperAssessment::Verdict::Accepted:
        //: Gatekeeper's verdict; %1 is the source macOS names, such as Notarized Developer ID
        return assessment.origin.isEmpty()
            ? QCoreApplication::translate("GatekeeperVerdict", "Accepted: %1").arg(assessment.source)
            //: Gatekeeper's verdict; %1 is the source macOS names, %2 the developer it names
            : QCoreApplication::translate("GatekeeperVerdict", "Accepted: %1 (%2)")
                  .arg(assessment.source, assessment.origin);
    case GatekeeperAssessment::Verdict::Rejected:
        //: Gatekeeper's verdict; %1 is the source macOS names
        return QCoreApplication::translate("GatekeeperVerdict", "Rejected: %1").arg(assessment.source);
    }
    return {};
}

QString GatekeeperVerdict::checking()
{
    //: Gatekeeper's check of a downloaded app is running
    return QCoreApplication::translate("GatekeeperVerdict", "Checking…");
}
