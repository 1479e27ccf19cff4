#pragma once

#include "engine/Outcome.h"
#include "engine/disk/ZapStanza.h"

#include <QByteArray>
#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// One of Homebrew's two marks on a cask: deprecated (it still installs, with a warning) or
// disabled (it no longer installs).
struct CaskLifecycle
{
    bool active = false;
    std::optional<QDate> date;
    QString reason; // Homebrew's reason word ("fails_gatekeeper_check") or its own words; may be empty
    QString replacement; // the cask or formula Homebrew suggests instead; may be empty

    friend bool operator==(const CaskLifecycle &, const CaskLifecycle &) = default;
};

// What Homebrew says about one cask, read at run time: the version it offers, where the download
// comes from and whether Homebrew checks it, and whether the cask can still be installed.
struct CaskFacts
{
    enum class Checksum { Unknown, Verified, NotChecked };

    QString token;
    QString version; // empty when unknown; "latest" for a cask that always fetches the newest
    Checksum checksum = Checksum::Unknown; // NotChecked: "no_check", the download changes with each release
    QString downloadHost; // "github.com"; empty when unknown
    bool autoUpdates = false;
    CaskLifecycle deprecation;
    CaskLifecycle disable;
    std::optional<QString> installedVersion; // only brew knows it; the public API never does
    // The value of the cask's "zap" artifact as published, kept so a removal needs no network.
    QJsonArray zapArgs;

    ZapStanza zap() const { return ZapStanza::fromArgs(zapArgs); }

    bool isDisabled() const { return disable.active; }
    bool isDeprecated() const { return deprecation.active; }

    // One cask object, as `brew info --json=v2` and the public API write it. Missing, null and
    // wrongly typed fields count as unknown; nothing without a "token".
    static std::optional<CaskFacts> fromJson(const QJsonObject &cask);
    // The same keys back, so the cache is read by fromJson too.
    QJsonObject toJson() const;

    // The "casks" array of `brew info --json=v2 --cask <tokens…>`; fails with a sentence when the
    // answer is not such a document.
    static Outcome<QList<CaskFacts>> decodeBrewInfo(const QByteArray &json);
    // The answer of the public API for one cask.
    static Outcome<CaskFacts> decodeApiCask(const QByteArray &json);

    friend bool operator==(const CaskFacts &, const CaskFacts &) = default;
};
