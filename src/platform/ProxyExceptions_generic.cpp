#include "platform/ProxyExceptions.h"

#include <QtGlobal>

// Elsewhere the proxy comes from the environment, and so do its exceptions.
QStringList ProxyExceptions::list()
{
    const QString bypass = qEnvironmentVariable("no_proxy", qEnvironmentVariable("NO_PROXY"));
    QStringList hosts;
    for (const QString &host : bypass.split(u',', Qt::SkipEmptyParts))
        hosts.append(host.trimmed());
    return hosts;
}
