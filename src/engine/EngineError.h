#pragma once

#include <QString>

// A failure as a value: which layer reported it, its code and the sentence the user sees.
struct EngineError
{
    QString domain; // "orvando.install" for the engine's own failures
    int code = 0;
    QString description; // a complete user-facing sentence

    static EngineError install(int code, const QString &description)
    {
        return { QStringLiteral("orvando.install"), code, description };
    }

    friend bool operator==(const EngineError &, const EngineError &) = default;
};
