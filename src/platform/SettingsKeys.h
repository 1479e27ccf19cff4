#pragma once

#include <QString>

// The keys of what the program keeps in the user defaults, each spelled once. They are stored
// exactly as written here, on every platform: a key spelled anew would lose what users have set.
namespace SettingsKeys {

// Whether the welcome sheet has been seen; the Help menu sets it back to false.
inline QString hasSeenWelcome()
{
    return QStringLiteral("hasSeenWelcome");
}

// The analytics consent and the anonymous identifier. Only Analytics reads and writes them;
// everything else goes through it (Analytics::isOptedIn, setOptedIn, optInChanged).
inline QString analyticsOptIn()
{
    return QStringLiteral("orvando.analytics_opt_in");
}
inline QString anonymousID()
{
    return QStringLiteral("orvando.anon_id");
}

// Whether a removal keeps the app's data ("Remove app only"): the review offers that button first.
inline QString removalKeepsData()
{
    return QStringLiteral("orvando.removal_keeps_data");
}
// Mirror addresses brew is given as HOMEBREW_API_DOMAIN, HOMEBREW_BOTTLE_DOMAIN and
// HOMEBREW_ARTIFACT_DOMAIN; absent or empty: Homebrew's own hosts.
inline QString homebrewApiMirror()
{
    return QStringLiteral("orvando.homebrew_api_domain");
}
inline QString homebrewBottleMirror()
{
    return QStringLiteral("orvando.homebrew_bottle_domain");
}
inline QString homebrewArtifactMirror()
{
    return QStringLiteral("orvando.homebrew_artifact_domain");
}
// Per app (the catalog id follows the dot): the update version the user skipped, and whether its
// updates are left alone altogether. Only UpdateHolds reads and writes them.
inline QString skippedVersion(const QString &appID)
{
    return QStringLiteral("orvando.skipped_version.") + appID;
}
inline QString updatesHeld(const QString &appID)
{
    return QStringLiteral("orvando.updates_held.") + appID;
}

} // namespace SettingsKeys
