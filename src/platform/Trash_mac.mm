#include "platform/Trash.h"

#include <QCoreApplication>

#import <Foundation/Foundation.h>

bool Trash::moveToTrash(const QString &path, QString *error, QString *trashedPath)
{
    // NSURL raises on an empty path.
    if (path.isEmpty()) {
        if (error)
            *error
                = QCoreApplication::translate("Trash", "“” couldn’t be moved to the Trash because it doesn’t exist.");
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

bool Trash::putBack(const QString &trashedPath, const QString &originalPath, QString *error)
{
    if (trashedPath.isEmpty() || originalPath.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("Trash", "The item is no longer in the Trash.");
        return false;
    }
    @autoreleasepool {
        NSFileManager *files = [NSFileManager defaultManager];
        NSString *from = trashedPath.toNSString();
        NSString *to = originalPath.toNSString();
        if (![files fileExistsAtPath:from]) {
            if (error)
                *error = QCoreApplication::translate("Trash", "“%1” is no longer in the Trash.")
                             .arg(QString::fromNSString(to.lastPathComponent));
            return false;
        }
        NSError *failure = nil;
        [files createDirectoryAtPath:to.stringByDeletingLastPathComponent
            withIntermediateDirectories:YES
                             attributes:nil
                                  error:nil];
        // moveItemAtPath fails when anything exists at the destination: it never overwrites.
        if (![files moveItemAtPath:from toPath:to error:&failure]) {
            if (error)
                *error = QString::fromNSString(failure.localizedDescription);
            return false;
        }
        return true;
    }
}
