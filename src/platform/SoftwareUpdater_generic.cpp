#include "platform/SoftwareUpdater.h"

namespace {

// A copy built from source: it knows no feed and cannot replace itself.
class SourceBuildUpdater final : public SoftwareUpdater
{
public:
    QString howToUpdate() const override
    {
        return SoftwareUpdater::tr("This copy of Orvando was built from its source. To update it, get the newest "
                                   "source and run “make run” again. Your apps and settings stay as they are.");
    }
};

} // namespace

SoftwareUpdater &systemUpdater()
{
    static SourceBuildUpdater updater;
    return updater;
}
