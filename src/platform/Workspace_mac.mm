#include "platform/Workspace.h"

#import <AppKit/AppKit.h>

bool Workspace::openApplication(const QString &bundlePath)
{
    @autoreleasepool {
        NSURL *url = [NSURL fileURLWithPath:bundlePath.toNSString() isDirectory:YES];
        if (!url)
            return false;
        NSWorkspaceOpenConfiguration *configuration = [NSWorkspaceOpenConfiguration configuration];
        configuration.activates = YES;
        // The outcome is not observed: the request itself is what is reported.
        [[NSWorkspace sharedWorkspace] openApplicationAtURL:url configuration:configuration completionHandler:nil];
        return true;
    }
}
