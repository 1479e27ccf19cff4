#include "platform/SoftwareUpdater.h"

namespace {

SoftwareUpdater *s_override = nullptr;

} // namespace

// Defined beside each system's updater (SoftwareUpdater_mac.mm, SoftwareUpdater_generic.cpp).
SoftwareUpdater &systemUpdater();

SoftwareUpdater &SoftwareUpdater::shared()
{
    return s_override ? *s_override : systemUpdater();
}

void SoftwareUpdater::setShared(SoftwareUpdater *updater)
{
    s_override = updater;
}

QString SoftwareUpdater::menuTitle()
{
    //: The menu item that looks for a newer version of Orvando
    return tr("Check for Updates…");
}

SoftwareUpdater::SoftwareUpdater() = default;
SoftwareUpdater::~SoftwareUpdater() = default;

bool SoftwareUpdater::updatesItself() const
{
    return false;
}

void SoftwareUpdater::checkForUpdates() { }

bool SoftwareUpdater::automaticallyChecks() const
{
    return false;
}

void SoftwareUpdater::setAutomaticallyChecks(bool) { }

QString SoftwareUpdater::howToUpdate() const
{
    //: "Applications" is the Applications folder, as the Finder names it
    return tr("To update Orvando, download the newest version from orvando.app and drag it into "
              "Applications, replacing this copy. Your apps and settings stay as they are.");
}
