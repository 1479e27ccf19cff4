#include "engine/HomebrewSetupCommand.h"

#include "engine/ShellQuote.h"

using namespace Qt::StringLiterals;

QUrl HomebrewSetupCommand::installScriptUrl(const QUrl &host)
{
    if (!host.isValid() || host.isEmpty())
        return {};
    QUrl url = host;
    url.setPath(u"/Homebrew/install/HEAD/install.sh"_s);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QString HomebrewSetupCommand::appleScriptQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u"\\"_s, u"\\\\"_s);
    quoted.replace(u"\""_s, u"\\\""_s);
    return quoted;
}

QString HomebrewSetupCommand::appleScriptSource(const QString &commandLine)
{
    return u"do shell script \""_s + appleScriptQuoted(commandLine) + u"\" with administrator privileges"_s;
}

QString HomebrewSetupCommand::installScriptCommand(const QUrl &scriptUrl, const QString &logPath)
{
    // The address is quoted too: it comes from configuration, and "$(…)" would expand it.
    return u"NONINTERACTIVE=1 /bin/bash -c \"$(curl -fsSL "_s
        + ShellQuote::quoted(scriptUrl.toString(QUrl::FullyEncoded)) + u")\" > "_s + ShellQuote::quoted(logPath)
        + u" 2>&1"_s;
}

QString HomebrewSetupCommand::installerPackageCommand(const QString &packagePath, const QString &logPath)
{
    return u"/usr/sbin/installer -verboseR -pkg "_s + ShellQuote::quoted(packagePath) + u" -target / > "_s
        + ShellQuote::quoted(logPath) + u" 2>&1"_s;
}
