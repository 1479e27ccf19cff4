#include "platform/SoftwareUpdater.h"

#import <Foundation/Foundation.h>
#import <Sparkle/Sparkle.h>
#include <memory>

namespace {

bool hasInfoString(NSString *key)
{
    const id value = [[NSBundle mainBundle] objectForInfoDictionaryKey:key];
    return [value isKindOfClass:[NSString class]] && [static_cast<NSString *>(value) length] > 0;
}

// Sparkle 2's standard updater: its own windows ask, download, check the EdDSA signature against
// SUPublicEDKey, install and relaunch. It reads SUFeedURL, SUPublicEDKey and SUEnableAutomaticChecks
// from Info.plist and keeps the user's choice of automatic checks in the user defaults.
class SparkleUpdater final : public SoftwareUpdater
{
public:
    SparkleUpdater()
        : d(std::make_unique<Impl>())
    {
        @autoreleasepool {
            // Sparkle is linked weakly: a copy without it (or built without a feed and a key, where
            // Sparkle would only complain) keeps to telling the user how to update.
            if (NSClassFromString(@"SPUStandardUpdaterController") == nil || !hasInfoString(@"SUFeedURL")
                || !hasInfoString(@"SUPublicEDKey"))
                return;
            d->controller = [[SPUStandardUpdaterController alloc] initWithStartingUpdater:YES
                                                                          updaterDelegate:nil
                                                                       userDriverDelegate:nil];
        }
    }

    bool updatesItself() const override { return d->controller != nil; }

    void checkForUpdates() override
    {
        if (d->controller != nil)
            [d->controller checkForUpdates:nil];
    }

    bool automaticallyChecks() const override
    {
        return d->controller != nil && d->controller.updater.automaticallyChecksForUpdates;
    }

    void setAutomaticallyChecks(bool on) override
    {
        if (d->controller != nil)
            d->controller.updater.automaticallyChecksForUpdates = on ? YES : NO;
    }

private:
    struct Impl
    {
        SPUStandardUpdaterController *controller = nil;
    };
    std::unique_ptr<Impl> d;
};

} // namespace

SoftwareUpdater &systemUpdater()
{
    // Never destroyed: Sparkle's controller must not be torn down after the application is gone.
    static SparkleUpdater *updater = new SparkleUpdater;
    return *updater;
}
