#include "platform/Trash.h"

#import <Foundation/Foundation.h>

using namespace Qt::StringLiterals;

bool Trash::moveToTrash(const QString &path, QString *error, QString *trashedPath)
{
    // NSURL raises on an empty path.
    if (path.isEmpty()) {
        if (error)
            *error = u"“” couldn’t be moved to the Trash because it doesn’t exist."_s;
        return false;
    }
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
