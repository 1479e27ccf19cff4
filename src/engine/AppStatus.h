#pragma once

#include "catalog/CatalogApp.h"
#include "engine/InstallState.h"
#include "engine/facts/AppUpdate.h"
#include "engine/facts/CaskFacts.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <optional>

// What one catalog app is right now, as a card, a list row or `orvando-cli list` shows it: its
// install state joined with Homebrew's facts and the update checker's answer. A pure function, so
// both front ends say the same thing.
struct AppStatus
{
    enum class Kind {
        NotInstalled,
        Installed, // also with an update the app installs itself (update->updatesItself)
        UpdateAvailable, // installed, with a newer version to install ("Update to 2.1.0")
        Unavailable, // not installed and Homebrew no longer offers it: no Install
        Installing, // an install or update runs; sentence is its note
        Uninstalling,
        Failed, // the last operation failed; with an update known, retrying means update()
        NeedsHomebrew,
    };

    Kind kind = Kind::NotInstalled;
    QString sentence; // the progress note, the failure, or why the app is unavailable
    QString warning; // a deprecated cask: the one-line warning; empty otherwise
    std::optional<AppUpdate> update; // a newer version of the installed app, when known

    // state absent: not examined yet, counted as not installed. today dates the deprecation warning.
    static AppStatus of(const CatalogApp &app, const std::optional<InstallState> &state,
        const std::optional<CaskFacts> &facts, const std::optional<AppUpdate> &update, const QDate &today);

    // For a list column: "not installed", "installed", "update available", "unavailable",
    // "installing", "removing", "failed", "needs Homebrew", in the language in use.
    QString label() const;
    // The same in English whatever the language, for machine-readable output.
    QString key() const;
    // "Update to 2.1.0" with UpdateAvailable; empty otherwise.
    QString updateTitle() const;
    bool updatesItself() const { return update && update->updatesItself; }

    Q_DECLARE_TR_FUNCTIONS(AppStatus)
};
