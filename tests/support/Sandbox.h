#pragma once

#include "engine/Environment.h"
#include "support/PlistFile.h"

#include <QTemporaryDir>

// A throw-away Mac inside a temporary folder: a home, the two Applications folders, a per-user
// Homebrew prefix that can hold the fake brew, a private temporary folder, and the Environment
// that points the engine at all of it.
class Sandbox
{
public:
    Sandbox();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString home() const { return root() + QStringLiteral("/home"); }
    QString systemApplications() const { return root() + QStringLiteral("/Applications"); }
    QString userApplications() const { return home() + QStringLiteral("/Applications"); }
    QString brewPrefix() const { return home() + QStringLiteral("/Library/Application Support/orvando/Homebrew"); }
    QString brewPath() const { return brewPrefix() + QStringLiteral("/bin/brew"); }
    QString tempDir() const { return root() + QStringLiteral("/tmp"); }
    QString helperDir() const { return root() + QStringLiteral("/helpers"); }

    // Folders {systemApplications, userApplications}; brew candidates {brewPath} only, so no
    // Homebrew of the machine is ever found; tools as on this machine; no service addresses (point
    // them at a LocalHttpServer).
    Environment environment() const;

    // Puts the fake brew at brewPath; the casks it installs land in appsFolder (default: the user's).
    bool installFakeBrew(const QString &appsFolder = {}) const;
    // What the fake brew installs for token: a bundle named appName with bundleID.
    bool registerCask(const QString &token, const QString &appName, const QString &bundleID) const;
    // One line of arguments per call the fake brew received, oldest first.
    QStringList brewCalls() const;

    // Makes folder/name.app with an Info.plist holding CFBundleIdentifier (and CFBundleExecutable
    // plus an executable Contents/MacOS script when executableScript is given). Returns its path.
    QString makeBundle(const QString &folder, const QString &name, const QString &bundleID,
        PlistFile::Format format = PlistFile::Format::Xml, const QByteArray &executableScript = {}) const;

    static bool writeFile(const QString &path, const QByteArray &content, bool executable = false);
    // Makes path unchangeable, even for its owner and for root, which permissions do not bind
    // (chattr +i here, chflags uchg on the Mac); false when this file system or user cannot.
    static bool setImmutable(const QString &path, bool on);

private:
    QTemporaryDir m_dir;
};
