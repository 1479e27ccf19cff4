#pragma once

#include "engine/Outcome.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonValue>
#include <QList>
#include <QString>

// One file attached to a GitHub release.
struct GitHubAsset
{
    QString name;
    QString browserDownloadURL;
    QString digest; // "sha256:<hex>" when GitHub published one, else empty
    qint64 size = -1; // in bytes; -1 when GitHub gave none (or none that can be)

    // The published SHA-256 as 64 lower-case hex digits; empty when there is none in that form.
    QString sha256() const;
    // A size in bytes read from JSON: a whole number from 0 to what a qint64 holds; -1 for
    // anything else, so that a size too large to be one counts as unknown.
    static qint64 byteCount(const QJsonValue &value);

    friend bool operator==(const GitHubAsset &, const GitHubAsset &) = default;
};

// The part of GitHub's release object the installer reads: its assets, and its tag for the
// version on offer.
struct GitHubRelease
{
    QList<GitHubAsset> assets;
    QString tagName; // "v2.1.0"; empty when missing

    // Fails, with the reason as a sentence, when the body is not JSON, "assets" or an asset's
    // "name" / "browser_download_url" is missing, or a value has the wrong type.
    static Outcome<GitHubRelease> decode(const QByteArray &json);

    Q_DECLARE_TR_FUNCTIONS(GitHubRelease)
};
