#pragma once

#include <QCoreApplication>
#include <QString>

// How Orvando itself gets its next version. The Mac build updates itself from a signed appcast
// (Sparkle: a check the user starts from "Check for Updates…", and, unless turned off in settings,
// a check once a day), when it was built with a feed address and a public key. Any other copy
// cannot replace itself and tells the user how to update it instead.
class SoftwareUpdater
{
public:
    // The program's own, made on first use on the main thread (after the application object).
    static SoftwareUpdater &shared();
    // Puts another updater in place of the program's own (tests); null puts the own one back.
    static void setShared(SoftwareUpdater *updater);

    static QString menuTitle(); // "Check for Updates…"

    SoftwareUpdater();
    virtual ~SoftwareUpdater();
    SoftwareUpdater(const SoftwareUpdater &) = delete;
    SoftwareUpdater &operator=(const SoftwareUpdater &) = delete;

    // True when this copy can fetch, check and install its next version itself.
    virtual bool updatesItself() const;
    // Looks for a new version now, in the updater's own window; nothing when !updatesItself().
    virtual void checkForUpdates();
    // The daily check in the background, which the user may turn off.
    virtual bool automaticallyChecks() const;
    virtual void setAutomaticallyChecks(bool on);
    // For a copy that does not update itself: how the user gets the next version.
    virtual QString howToUpdate() const;

    Q_DECLARE_TR_FUNCTIONS(SoftwareUpdater)
};
