#pragma once

#include "engine/direct/GitHubRelease.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// What GitHub says about the download of a direct-download app: the latest release's tag and the
// asset this Mac would fetch.
struct ReleaseFacts
{
    QString tag; // "v2026.5.0"; empty when the release has none
    qint64 assetSize = -1; // bytes; -1 when unknown
    bool hasDigest = false; // GitHub published a checksum the download is verified against
    QString downloadHost; // "github.com"

    // The facts for the asset named assetName; nothing when the release has no such asset.
    static std::optional<ReleaseFacts> fromRelease(const GitHubRelease &release, const QString &assetName);

    QJsonObject toJson() const;
    static ReleaseFacts fromJson(const QJsonObject &object);

    friend bool operator==(const ReleaseFacts &, const ReleaseFacts &) = default;
};
