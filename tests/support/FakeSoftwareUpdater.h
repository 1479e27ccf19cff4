#pragma once

#include "platform/SoftwareUpdater.h"

// Stands in for the Mac build's updater, which updates itself: records what it is asked.
class FakeSoftwareUpdater : public SoftwareUpdater
{
public:
    bool updatesItself() const override { return true; }
    void checkForUpdates() override { ++checks; }
    bool automaticallyChecks() const override { return automatic; }
    void setAutomaticallyChecks(bool on) override { automatic = on; }

    int checks = 0;
    bool automatic = true;
};
