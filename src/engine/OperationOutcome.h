#pragma once

#include "engine/FailureKind.h"

#include <QString>

// The three operations a front end starts on one app.
enum class AppOperation { Install, Update, Uninstall };

// How one operation on one app ended, for a caller that needs more than the state it left: the
// batch queue and the command line (its exit code and the sentence it prints).
struct OperationOutcome
{
    enum class Kind {
        Succeeded, // installed, updated or removed
        Failed, // the state is failed; sentence and failure say why
        NeedsHomebrew, // a cask app and no brew: the one-time setup comes first
        Refused, // another operation on the app runs, in this process or another: nothing was done
        Cancelled, // stopped on request; the state is what the disk shows
    };

    Kind kind = Kind::Succeeded;
    QString sentence; // empty for Succeeded and Cancelled
    FailureKind failure = FailureKind::Unknown; // Failed only

    bool succeeded() const { return kind == Kind::Succeeded; }

    friend bool operator==(const OperationOutcome &, const OperationOutcome &) = default;
};
