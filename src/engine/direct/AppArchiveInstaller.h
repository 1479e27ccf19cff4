#pragma once

#include "engine/Environment.h"
#include "engine/Outcome.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// Turns a downloaded zip into an installed application: unpacks it in a fresh folder of the
// operation, finds the app bundle the catalog means inside, checks that nothing in it leads outside
// it, places it in an Applications folder and strips the download quarantine. Blocking, and
// touches no engine state: run it off the main thread.
class AppArchiveInstaller
{
public:
    explicit AppArchiveInstaller(Environment env);

    // Returns the installed bundle's path. The download is renamed to workFolder/download.zip
    // and unpacked into workFolder/unpacked, which must not exist yet; the caller made workFolder
    // for this one attempt and removes it afterwards. replacing: the installed bundle an update
    // puts the new one in place of (same folder, same name), the old one kept on any failure.
    // bundleID: the identifier the bundle must have; without one the first bundle is taken.
    Outcome<QString> install(const QString &download, const QString &workFolder, const QString &replacing = {},
        const std::optional<QString> &bundleID = std::nullopt) const;

    // The real folders named "*.app", in a walk that lists a folder before its contents, skips
    // hidden entries, never follows symbolic links and does not look inside a bundle.
    static QStringList findAppBundles(const QString &folder);

    // Whether every symbolic link inside bundle is relative and leads to a place inside it: a link
    // out of the bundle would let whoever controls that place supply what the app runs.
    static bool linksStayInside(const QString &bundle);

    // Removes com.apple.quarantine from the bundle, where the system has such a thing; whether
    // the tool runs or succeeds does not matter.
    static void stripQuarantine(const QString &xattrTool, const QString &bundle);

private:
    Environment m_env;

    Q_DECLARE_TR_FUNCTIONS(AppArchiveInstaller)
};
