#include "platform/Trash.h"

#import <Foundation/Foundation.h>

bool Trash::moveToTrash(const QString &path, QString *error, QString *trashedPath)
{
    @autoreleasepool {
        NSURL *url = [NSURL fileURLWithPath:path.toNSString()];
        NSURL *result = nil;
        NSError *failure = nil;
        if (![[NSFileManager defaultManager] trashItemAtURL:url resultingItemURL:&result error:&failure]) {
            // The system's own sentence, e.g. "“Foo” couldn’t be moved to the Trash because …".
            if (error)
                *error = QString::fromNSString(failure.localizedDescription);
            return false;
        }
        if (trashedPath && result)
            *trashedPath = QString::fromNSString(result.path);
        return true;
    }
}
