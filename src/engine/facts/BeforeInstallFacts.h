#pragma once

#include "catalog/CatalogApp.h"
#include "engine/facts/CaskFacts.h"
#include "engine/facts/ReleaseFacts.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// "Before you install": what a user is about to trust, as Homebrew or GitHub tell it, whichever
// kind of download the app has. The detail sheet and the command line show the same rows.
struct BeforeInstallFacts
{
    enum class Checksum { Unknown, Verified, NotVerified };

    QString version; // as Homebrew or the release names it; empty when not known
    QString source; // "Homebrew" or "GitHub"
    QString host; // "github.com"; empty when not known
    Checksum checksum = Checksum::Unknown;
    QString checksumNote; // "Checksum verified by Homebrew"; empty when nobody knows
    qint64 size = -1; // bytes; -1 when not known
    bool updatesItself = false;

    // Homebrew's facts for a cask, the release's for a direct download.
    static BeforeInstallFacts of(
        const CatalogApp &app, const std::optional<CaskFacts> &cask, const std::optional<ReleaseFacts> &release);

    struct Row
    {
        QString title; // "Download from"
        QString value; // "github.com", "Not known yet"; empty for a row left out

        friend bool operator==(const Row &, const Row &) = default;
    };
    // In reading order: Version, Download from, Checksum and Size.
    QList<Row> rows() const;

    static QString heading(); // "Before you install"
    static QString notKnown(); // "Not known yet"

    Q_DECLARE_TR_FUNCTIONS(BeforeInstallFacts)
};
