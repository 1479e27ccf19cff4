#include "platform/LogFolder.h"

#import <Foundation/Foundation.h>

QString LogFolder::path()
{
    @autoreleasepool {
        // ~/Library/Logs/Orvando, where Console and other apps look for a program's logs.
        NSArray<NSString *> *libraries = NSSearchPathForDirectoriesInDomains(NSLibraryDirectory, NSUserDomainMask, YES);
        NSString *library = libraries.firstObject ?: [NSHomeDirectory() stringByAppendingPathComponent:@"Library"];
        return QString::fromNSString([library stringByAppendingPathComponent:@"Logs/Orvando"]);
    }
}
