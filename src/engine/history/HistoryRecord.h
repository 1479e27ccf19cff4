#pragma once

#include "engine/FailureKind.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// One operation as the history keeps it: what was done to which app, from which source, between
// which versions, when, and how it ended, with the sentence the user saw and its own log lines.
struct HistoryRecord
{
    enum class Kind { Install, Update, Uninstall, HomebrewSetup, Batch, Revert, UndoRemoval };
    enum class Outcome {
        Running, // written at the start; every other outcome is written at the end
        Succeeded,
        Failed,
        Cancelled,
        Refused, // another operation on the app was running
        NeedsHomebrew,
        Interrupted, // still running when its program stopped (a crash, a power cut)
    };

    // The most log lines one record keeps: the last ones, which say how it ended.
    static constexpr int maxLogLines = 200;

    qint64 id = 0;
    QString appID; // empty for a batch
    QString appName;
    Kind kind = Kind::Install;
    QString route; // "cask" or "direct"; empty where no source applies (a Homebrew setup, a batch)
    QString versionBefore;
    QString versionAfter;
    QDateTime started;
    QDateTime ended; // invalid while running
    Outcome outcome = Outcome::Running;
    QString sentence; // why it failed, or what a batch did
    std::optional<FailureKind> failure; // Failed only, from the failure explainer
    QStringList log;
    bool logLeftOut = false; // it has log lines in the file, not read with it (a summary)
    qint64 ownerPid = 0; // the process that runs it, while it runs

    // The names written to the file and printed by the command line ("update", "needs-homebrew").
    static QString kindName(Kind kind);
    static QString outcomeName(Outcome outcome);
    static QString failureName(FailureKind failure);
    static std::optional<Kind> kindFromName(const QString &name);
    static std::optional<Outcome> outcomeFromName(const QString &name);
    static std::optional<FailureKind> failureFromName(const QString &name);
};
