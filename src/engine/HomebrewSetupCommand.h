#pragma once

#include <QString>
#include <QUrl>

// The command lines of the one-time Homebrew setup; every path in them stays one word whatever
// characters it holds.
namespace HomebrewSetupCommand {

// Homebrew's install script under host: "/Homebrew/install/HEAD/install.sh".
QUrl installScriptUrl(const QUrl &host);

// text escaped for an AppleScript string literal: backslashes doubled first, then each double
// quote preceded by a backslash (the other order would double the backslashes just added).
QString appleScriptQuoted(const QString &text);

// do shell script "<commandLine, quoted>" with administrator privileges
QString appleScriptSource(const QString &commandLine);

// Downloads Homebrew's install script into workFolder and runs it without questions, all of the
// output going to logPath. A failed download leaves downloadFailedMarker(workFolder) behind.
QString installScriptCommand(const QUrl &scriptUrl, const QString &workFolder, const QString &logPath);
QString downloadFailedMarker(const QString &workFolder);

// What the administrator shell needs to install Homebrew's installer package safely.
struct PackageInstall
{
    QString package; // the download, as checked by the user's side
    QString sha256; // its digest in lower-case hex
    QString folder; // the new folder the shell makes, in a sticky folder of root's
    unsigned ownerUid = 0; // who gets the folder back at the end
    QString installer;
    QString pkgutil;
    QString shasum;
};

// Run as root: makes `folder` (readable by all, writable by root alone), copies the package into a
// part of it only root may enter, checks that copy's digest and its signature (a Developer ID
// Installer certificate issued by Apple, notarized; no particular team) and only then installs
// that same copy. Its output goes to packageLogPath(folder). A failed check is named, as "copy",
// "checksum" or "signature", in failedCheckPath(folder). At the end the folder is handed back to
// ownerUid, without the package.
QString installerPackageCommand(const PackageInstall &install);
QString packageLogPath(const QString &folder);
QString failedCheckPath(const QString &folder);
// The sentence for a check named in failedCheckPath; empty for anything else.
QString failedCheckSentence(const QString &check);

} // namespace HomebrewSetupCommand
