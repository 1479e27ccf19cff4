#pragma once

#include "engine/EngineError.h"

#include <QString>

#include <optional>

// Unpacks a zip archive with the system's tool: "ditto -x -k" on macOS, bsdtar elsewhere, with the
// same contract. Blocking: run it off the main thread.
class ArchiveUnpacker
{
public:
    explicit ArchiveUnpacker(QString tool);

    // Nothing on success. DirectInstallError::ditto(status) for a non-zero exit, and for a file
    // that is not a zip archive (bsdtar would read other formats, and an empty file, without
    // complaint); the system's error when the tool cannot be started.
    std::optional<EngineError> unpack(const QString &archive, const QString &folder) const;

    // Starts with the local-file signature "PK\x03\x04".
    static bool looksLikeZip(const QString &path);

private:
    QString m_tool;
};
