#include "platform/Gatekeeper.h"

#include <QStringList>

using namespace Qt::StringLiterals;

GatekeeperAssessment Gatekeeper::parse(int exitStatus, const QByteArray &output)
{
    GatekeeperAssessment result;
    const QStringList lines = QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        // "<path>: accepted": the path itself may hold ": ", so only the end is read.
        if (line.endsWith(u": accepted"_s) && exitStatus == 0)
            result.verdict = GatekeeperAssessment::Verdict::Accepted;
        else if (line.endsWith(u": rejected"_s) && exitStatus != 0)
            result.verdict = GatekeeperAssessment::Verdict::Rejected;
        else if (line.startsWith(u"source="_s))
            result.source = line.mid(7).trimmed();
        else if (line.startsWith(u"origin="_s))
            result.origin = line.mid(7).trimmed();
    }
    if (result.verdict == GatekeeperAssessment::Verdict::NotChecked)
        return {};
    return result;
}
