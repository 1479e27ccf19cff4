#pragma once

#include "catalog/CatalogApp.h"
#include "engine/InstallState.h"
#include "engine/facts/AppUpdate.h"
#include "engine/facts/CaskFacts.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QPalette>
#include <QString>

#include <optional>

class InstallEngine;

// What a card, and the action area of the detail sheet, show for one application in one engine
// state. A pure function of the catalog entry, its state, what Homebrew and the update checker say
// of it, and the engine-wide flags.
struct AppCardContent
{
    Q_DECLARE_TR_FUNCTIONS(AppCardContent)

public:
    // Which control the action area holds.
    enum class Action {
        Progress,
        Failed,
        Install,
        Installed,
        UpdateAvailable, // installed, with "Update to 2.1.0" and "Open"
        Unavailable, // Homebrew no longer offers it: the reason, and no Install
        SetUpHomebrew,
        SettingUpHomebrew,
    };

    // One button of the action row, named for someone who cannot see which card it is on.
    struct Button
    {
        enum class Kind { Install, Update, Open, Cancel, Uninstall, ShowInLog, Dismiss, ShowInFinder, RefreshCaskList };
        enum class Emphasis { Primary, Secondary, Destructive, Link };

        Kind kind = Kind::Install;
        Emphasis emphasis = Emphasis::Primary;
        QString title; // "Install", "Try again", "Update to 2.1.0", "Open", "Cancel", "Uninstall", "Show in log"…
        QString accessibleName; // "Install Maccy", "Try installing Maccy again", "Cancel installing Maccy"
        QString description; // read after the name: the failure "Try again" answers
        QString toolTip; // the card's hover help; in the sheet only on the ways out of a failure
        friend bool operator==(const Button &, const Button &) = default;
    };

    // The engine values besides the state that change what a card shows.
    struct Flags
    {
        bool permissionNote = false; // the engine keeps a permission note for this application
        bool setupInProgress = false; // some card's Homebrew setup is running
        std::optional<CaskFacts> facts; // what Homebrew says of the app's cask
        std::optional<AppUpdate> update; // a newer version of the installed app
        QDate today = QDate::currentDate(); // dates a deprecation's warning
    };

    QString letter; // shown on the icon tile until (or unless) an icon image exists
    QString pricingLabel;
    QPalette::ColorRole pricingRole = QPalette::NoRole;
    QString freemiumNote; // empty for a free application

    Action action = Action::Install;
    int percent = -1; // Progress: how far a measured download has come, 0-100; -1 when unknown
    QString statusText; // the progress note, the failure sentence, why it is unavailable, or "Setting up Homebrew…"
    // The action row, in order. After a failure: the way forward that fits it ("Try again" only
    // where retrying may mend it), then "Dismiss" and "Show in log".
    QList<Button> buttons;
    QString permissionNote; // only with Install, while the engine holds a note
    qint64 logLine = 0; // Failed: the log line "Show in log" scrolls to, 0 for the newest
    QString path = {}; // Failed: the app in the way that "Show in Finder" shows
    QString warning; // only with Install: Homebrew deprecated the cask
    QString note; // a small line under the row: "Updates itself", "Installed: 2.0.1"

    // While installing, removing or setting up Homebrew.
    bool busy() const { return action == Action::Progress || action == Action::SettingUpHomebrew; }
    // How assistive technology describes the card: its progress, failure, unavailability, or
    // "Installed".
    QString accessibleStatus() const;

    // A state that is absent (not examined yet) counts as not installed.
    static AppCardContent make(const CatalogApp &app, const std::optional<InstallState> &state, Flags flags);
    // What engine (and its services, when it has them) says of app now; a null engine: not installed.
    static AppCardContent of(const InstallEngine *engine, const CatalogApp &app);

    // The first user-perceived character of text (a whole grapheme cluster); empty for empty text.
    static QString firstGrapheme(const QString &text);
};
