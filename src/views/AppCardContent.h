#pragma once

#include "catalog/CatalogApp.h"
#include "engine/InstallState.h"

#include <QColor>
#include <QString>

#include <optional>

// What a card, and the action area of the detail sheet, show for one application in one engine
// state. A pure function of the catalog entry, its state and the engine-wide flags.
struct AppCardContent
{
    // Which control the action area holds.
    enum class Action { Progress, Failed, Install, Installed, SetUpHomebrew, SettingUpHomebrew };

    // The engine values besides the state that change what a card shows.
    struct Flags
    {
        bool permissionNote = false; // the engine keeps a permission note for this application
        bool bootstrapInProgress = false; // some card's Homebrew setup is running
    };

    QString letter; // shown on the icon tile until (or unless) an icon image exists
    QString pricingLabel;
    QColor pricingColor;
    QString freemiumNote; // empty for a free application
    QString replacesLead; // "Replaces Paste "; empty without a replacement
    QString replacesPrice; // "- $30/yr"
    bool accessibilityGuidance = false;
    bool screenRecordingGuidance = false;

    Action action = Action::Install;
    QString statusText; // the progress note, the failure sentence, or "Setting up Homebrew…"
    QString buttonTitle; // "Install", or "Try again" for a failure that retrying may mend; else empty
    QString permissionNote; // only with Install, while the engine holds a note
    QString logButtonTitle; // "Show in log" with Failed; empty otherwise
    qint64 logLine = 0; // Failed: the log line "Show in log" scrolls to, 0 for the newest

    // A state that is absent (not examined yet) counts as not installed.
    static AppCardContent make(const CatalogApp &app, const std::optional<InstallState> &state, Flags flags);

    // The first user-perceived character of text (a whole grapheme cluster); empty for empty text.
    static QString firstGrapheme(const QString &text);
};
