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

// The team that signs Homebrew's installer package. Homebrew's own workflow that builds it
// (.github/workflows/pkg-installer.yml in github.com/Homebrew/brew) signs and notarizes with the team
// kept in its secret PKG_APPLE_DEVELOPER_TEAM_ID; what that team is shows on every package since
// 4.3.9: pkgutil --check-signature says "Developer ID Installer: Patrick Linnane (927JGANW46)", the
// change from 6248TWFRH6 that Homebrew confirmed to the Mac admins who check it
// (github.com/Installomator/Installomator/issues/1726, github.com/autopkg/nstrauss-recipes/pull/76).
constexpr auto homebrewTeamID = "927JGANW46";

// What the administrator shell needs to install Homebrew's installer package safely.
struct PackageInstall
{
    QString package; // the download, in the user's own folder
    QString sha256; // the digest GitHub published for it, which the download was checked against
    QString folder; // the new folder the shell makes, in a sticky folder of root's
    unsigned ownerUid = 0; // who gets the folder back at the end
    QString installer;
    QString pkgutil;
    QString shasum;
};

// Run as root: makes `folder` (only root may change it), copies the package into a part of it
// only root may enter without following a link, checks that copy's digest against sha256 and its
// signature (a notarized Developer ID Installer certificate of homebrewTeamID, read line by line
// from pkgutil) and only then installs that same copy. Its output goes to packageLogPath(folder),
// which only the owner may read. A failed check is named in failedCheckPath(folder). Each file is
// the owner's from the moment root made it, and the folder last of all: once the owner may
// change the folder, root touches nothing in it.
QString installerPackageCommand(const PackageInstall &install);
QString packageLogPath(const QString &folder);
QString failedCheckPath(const QString &folder);
// The sentence for a check named in failedCheckPath ("copy", "checksum", "signature",
// "notarization", "signer"); empty for anything else.
QString failedCheckSentence(const QString &check);

} // namespace HomebrewSetupCommand
