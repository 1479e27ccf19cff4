#include "platform/Gatekeeper.h"

#include <QProcess>

GatekeeperAssessment Gatekeeper::assess(const QString &bundlePath)
{
    QProcess spctl;
    // Everything spctl says comes on standard error.
    spctl.setProcessChannelMode(QProcess::MergedChannels);
    spctl.start(QStringLiteral("/usr/sbin/spctl"),
        { QStringLiteral("--assess"), QStringLiteral("--type"), QStringLiteral("execute"), QStringLiteral("-vv"),
            bundlePath });
    if (!spctl.waitForFinished(30 * 1000) || spctl.exitStatus() != QProcess::NormalExit) {
        spctl.kill();
        return {};
    }
    return parse(spctl.exitCode(), spctl.readAll());
}
