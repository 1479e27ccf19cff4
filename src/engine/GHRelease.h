#pragma once

#include "engine/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One file attached to a GitHub release.
struct GHAsset
{
    QString name;
    QString browserDownloadURL;
    QString digest; // "sha256:<hex>" when GitHub published one, else empty
    qint64 size = -1; // bytes, as GitHub announces them; -1 when not announced

    friend bool operator==(const GHAsset &, const GHAsset &) = default;
};

// The part of GitHub's release object the installer reads: its assets.
struct GHRelease
{
    QList<GHAsset> assets;

    // Fails, with the reason as a sentence, when the body is not JSON, "assets" or an asset's
    // "name" / "browser_download_url" is missing, or a value has the wrong type.
    static Outcome<GHRelease> decode(const QByteArray &json);
};
