#include "engine/homebrew/HomebrewSetupCommand.h"

#include "engine/homebrew/ShellQuote.h"

#include <QCoreApplication>

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

QString HomebrewSetupCommand::installScriptCommand(
    const QUrl &scriptUrl, const QString &workFolder, const QString &logPath)
{
    // Fetched first, so that a failed download is told apart from a failing script (bash -c
    // "$(curl …)" runs an empty script and succeeds when curl fails). The address is quoted too:
    // it comes from configuration.
    const QString script = ShellQuote::quoted(workFolder + u"/install.sh"_s);
    return u"{ curl -fsSL "_s + ShellQuote::quoted(scriptUrl.toString(QUrl::FullyEncoded)) + u" -o "_s + script
        + u" || { : > "_s + ShellQuote::quoted(downloadFailedMarker(workFolder))
        + u"; exit 1; }; NONINTERACTIVE=1 /bin/bash "_s + script + u"; } > "_s + ShellQuote::quoted(logPath)
        + u" 2>&1"_s;
}

QString HomebrewSetupCommand::downloadFailedMarker(const QString &workFolder)
{
    return workFolder + u"/download-failed"_s;
}

QString HomebrewSetupCommand::packageLogPath(const QString &folder)
{
    return folder + u"/setup.log"_s;
}

QString HomebrewSetupCommand::failedCheckPath(const QString &folder)
{
    return folder + u"/failed-check"_s;
}

QString HomebrewSetupCommand::installerPackageCommand(const PackageInstall &install)
{
    // Everything root acts on lies in a folder root made in a sticky folder, so no process of the
    // user can swap the package, or plant a link, between the checks and the install.
    const QString uid = QString::number(install.ownerUid);
    const QString handBack = u"chown -h "_s + uid + u' ';
    // pkgutil's report, one line at a time: every status line must be the notarized Developer ID
    // one, and the certificate that signed must be a Developer ID Installer one of Homebrew's team.
    // report() returns 0, or the check that failed: 1 the signature, 2 notarization, 3 the signer.
    const QString status = u"Status: signed by a developer certificate issued by Apple for distribution"_s;
    const QString notarized = u"Notarization: trusted by the Apple notary service"_s;
    const QString signer = ShellQuote::quoted(u"1. Developer ID Installer: "_s) + u'*'
        + ShellQuote::quoted(u" ("_s + QLatin1String(homebrewTeamID) + u')');
    const QString report
        = u"report() { st=; nt=; sg=; while IFS= read -r l; do l=${l#\"${l%%[! ]*}\"}; case \"$l\" in "
          u"'Status: '*) [ \"$l\" = %1 ] || return 1; st=1 ;; "
          u"'Notarization: '*) [ \"$l\" = %2 ] || return 2; nt=1 ;; "
          u"'1. '*) case \"$l\" in %3) sg=1 ;; *) return 3 ;; esac ;; esac; done; "
          u"[ -n \"$st\" ] || return 1; [ -n \"$nt\" ] || return 2; [ -n \"$sg\" ] || return 3; }"_s.arg(
              ShellQuote::quoted(status), ShellQuote::quoted(notarized), signer);
    const QStringList lines {
        u"PATH=/usr/bin:/bin:/usr/sbin:/sbin"_s,
        u"umask 077"_s,
        u"d="_s + ShellQuote::quoted(install.folder),
        u"p=\"$d/pkg/Homebrew.pkg\""_s,
        u"finish() { rm -rf \"$d/pkg\"; "_s + handBack + u"\"$d\"; exit \"$1\"; }"_s,
        u"fail() { echo \"$1\" > \"$d/failed-check\"; "_s + handBack + u"\"$d/failed-check\"; finish 1; }"_s,
        report,
        u"mkdir -m 711 \"$d\" || exit 1"_s,
        u"exec > \"$d/setup.log\" 2>&1"_s,
        handBack + u"\"$d/setup.log\""_s,
        // -R -P: a link is copied as a link and a FIFO as a FIFO, never followed or read; only a
        // plain file in root's own folder goes on.
        u"mkdir -m 700 \"$d/pkg\" && cp -R -P "_s + ShellQuote::quoted(install.package)
            + u" \"$p\" && [ -f \"$p\" ] && [ ! -h \"$p\" ] || fail copy"_s,
        u"[ \"$("_s + ShellQuote::quoted(install.shasum) + u" -a 256 < \"$p\" | cut -d ' ' -f 1)\" = "_s
            + ShellQuote::quoted(install.sha256.toLower()) + u" ] || fail checksum"_s,
        u"s=$("_s + ShellQuote::quoted(install.pkgutil) + u" --check-signature \"$p\") || fail signature"_s,
        u"printf '%s\\n' \"$s\""_s,
        u"printf '%s\\n' \"$s\" | report"_s,
        u"case $? in 0) ;; 1) fail signature ;; 2) fail notarization ;; *) fail signer ;; esac"_s,
        ShellQuote::quoted(install.installer) + u" -verboseR -pkg \"$p\" -target /"_s,
        u"finish $?"_s,
    };
    return lines.join(u"; "_s);
}

QString HomebrewSetupCommand::failedCheckSentence(const QString &check)
{
    const QString name = check.trimmed();
    if (name == u"copy"_s)
        return QCoreApplication::translate(
            "HomebrewSetupCommand", "The Homebrew installer could not be copied to a safe place.");
    if (name == u"checksum"_s)
        return QCoreApplication::translate(
            "HomebrewSetupCommand", "The Homebrew installer's checksum could not be verified.");
    if (name == u"signature"_s)
        return QCoreApplication::translate(
            "HomebrewSetupCommand", "The Homebrew installer's signature could not be verified.");
    if (name == u"notarization"_s)
        return QCoreApplication::translate("HomebrewSetupCommand", "The Homebrew installer is not notarized by Apple.");
    if (name == u"signer"_s)
        return QCoreApplication::translate("HomebrewSetupCommand", "The Homebrew installer is not signed by Homebrew.");
    return {};
}
