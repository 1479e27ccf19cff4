#pragma once

#include <QString>
#include <QStringList>

// What the command line was asked to do, as its arguments say; nothing is looked up yet.
struct CliRequest
{
    enum class Command { List, Info, Install, Uninstall, Update, Outdated, Export, Import, History, Revert };

    Command command = Command::List;
    QStringList names; // the apps named (info, install, uninstall, update), as typed
    QString file; // import; export (empty: standard output)
    bool all = false; // list: every app, not only the hand-picked; update: every app with an update
    QString category; // list: as typed; empty for none
    QString search; // list
    bool json = false;
    bool quiet = false;
    bool verbose = false;
    bool noSetup = false;
    bool yes = false;
    bool keepData = false; // uninstall: the app only, its data stays
    bool dryRun = false; // uninstall: what would go, nothing changed
    int limit = 0; // history: the most operations listed; 0 for the default

    friend bool operator==(const CliRequest &, const CliRequest &) = default;
};

// The exit statuses, documented in the README: scripts rely on them.
namespace ExitCode {
inline constexpr int success = 0;
inline constexpr int failed = 1; // an operation failed; its sentence is on standard error
inline constexpr int usage = 2; // unknown command, option or app, or a missing confirmation
inline constexpr int noHomebrew = 3; // Homebrew is needed and was not set up
inline constexpr int interrupted = 130; // SIGINT or SIGTERM
} // namespace ExitCode
