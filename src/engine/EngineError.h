#pragma once

#include <QString>

// A failure as a value: which layer reported it, its code and the sentence the user sees.
struct EngineError
{
    // Who reported the failure, which says what its code is.
    enum class Domain {
        Install, // the engine's own runs of brew: brew's exit status, or a Code
        Direct, // a direct download: a DirectInstallError case, or the unpacker's exit status
        Network, // a network request: QNetworkReply's error or the HTTP status
        Decoding, // an answer that could not be read
        Facts, // Homebrew's information about its apps
        Updates, // Homebrew's list of updates
        Brew, // a query of brew in the background: its exit status, or a Code
        System, // the operating system: a process or a file
    };
    // The codes that are no exit status, HTTP status or errno.
    enum Code : int {
        Failed = -1, // what was needed is not there, or could not be read
        NotStarted = -2, // the process could not be started
        Stopped = -3, // stopped on request, on quitting or at a time limit
    };

    Domain domain = Domain::Install;
    int code = 0;
    QString description; // a complete user-facing sentence

    static EngineError install(int code, const QString &description) { return { Domain::Install, code, description }; }

    friend bool operator==(const EngineError &, const EngineError &) = default;
};
