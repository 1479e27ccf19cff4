#pragma once

#include <QString>

#include <optional>

// The program's own version: on macOS the main bundle's CFBundleShortVersionString and
// CFBundleVersion, elsewhere what the build compiled in. Either may be missing.
struct VersionInfo
{
    std::optional<QString> shortVersion;
    std::optional<QString> build;

    static VersionInfo current();

    friend bool operator==(const VersionInfo &, const VersionInfo &) = default;
};
