#pragma once

#include <QString>

// The install state of one catalog application, as the cards show it.
struct InstallState
{
    enum class Kind { Installing, Uninstalling, Failed, NotInstalled, Installed, NeedsHomebrew };
    Kind kind = Kind::NotInstalled;
    QString text; // progress note or failure sentence; empty for the other kinds

    static InstallState installing(const QString &note) { return { Kind::Installing, note }; }
    static InstallState uninstalling(const QString &note) { return { Kind::Uninstalling, note }; }
    static InstallState failed(const QString &sentence) { return { Kind::Failed, sentence }; }
    static InstallState notInstalled() { return { Kind::NotInstalled, {} }; }
    static InstallState installed() { return { Kind::Installed, {} }; }
    static InstallState needsHomebrew() { return { Kind::NeedsHomebrew, {} }; }

    friend bool operator==(const InstallState &, const InstallState &) = default;
};
