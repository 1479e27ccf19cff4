#include "platform/Workspace.h"

#include <QFileInfo>

#import <AppKit/AppKit.h>

bool Workspace::openApplication(const QString &bundlePath)
{
    // NSURL raises on an empty path; a missing bundle is no request either, as on other systems.
    if (bundlePath.isEmpty() || !QFileInfo(bundlePath).isDir())
        return false;
    @autoreleasepool {
        NSURL *url = [NSURL fileURLWithPath:bundlePath.toNSString() isDirectory:YES];
        NSWorkspaceOpenConfiguration *configuration = [NSWorkspaceOpenConfiguration configuration];
        configuration.activates = YES;
        // The outcome is not observed: the request itself is what is reported.
        [[NSWorkspace sharedWorkspace] openApplicationAtURL:url configuration:configuration completionHandler:nil];
        return true;
    }
}

bool Workspace::revealInFinder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    @autoreleasepool {
        NSURL *url = [NSURL fileURLWithPath:path.toNSString()];
        [[NSWorkspace sharedWorkspace] activateFileViewerSelectingURLs:@[ url ]];
        return true;
    }
}
