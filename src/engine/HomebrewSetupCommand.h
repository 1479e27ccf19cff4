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

// Runs Homebrew's install script without questions, all of its output going to logPath.
QString installScriptCommand(const QUrl &scriptUrl, const QString &logPath);

// Installs Homebrew's installer package on the start-up disk, all of the output going to logPath.
QString installerPackageCommand(const QString &packagePath, const QString &logPath);

} // namespace HomebrewSetupCommand
