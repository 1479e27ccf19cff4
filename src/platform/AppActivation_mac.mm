#include "platform/AppActivation.h"

#import <AppKit/AppKit.h>

void AppActivation::activate()
{
    @autoreleasepool {
        // Since macOS 14 activation is cooperative: `activate` is granted only when the active
        // program yields, which Orvando, waiting on brew, never does. The older call, deprecated
        // but still honoured for ordinary windows, takes the front regardless: right for a
        // password prompt the user is waiting for.
        if (@available(macOS 14.0, *))
            [NSApp activate];
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wdeprecated-declarations"
        [NSApp activateIgnoringOtherApps:YES];
#pragma clang diagnostic pop
    }
}
