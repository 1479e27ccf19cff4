#pragma once

#include "engine/EngineError.h"

#include <QCoreApplication>

#include <optional>

// The outcome of one brew command: success, or the error the caller shows.
struct BrewResult
{
    Q_DECLARE_TR_FUNCTIONS(BrewResult)

public:
    std::optional<EngineError> error; // absent on success

    bool succeeded() const { return !error.has_value(); }
    static BrewResult success() { return {}; }
    static BrewResult failure(const EngineError &e) { return { e }; }
    // What a brew command gets when there is no brew to run it.
    static BrewResult noHomebrew()
    {
        return failure(EngineError::install(EngineError::Failed, tr("No Homebrew found on this Mac.")));
    }

    friend bool operator==(const BrewResult &, const BrewResult &) = default;
};
