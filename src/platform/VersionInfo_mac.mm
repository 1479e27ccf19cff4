#include "platform/VersionInfo.h"

#import <Foundation/Foundation.h>

namespace {

// Only a string counts: a number or a missing key leaves the field empty.
std::optional<QString> infoString(NSString *key)
{
    const id value = [[NSBundle mainBundle] objectForInfoDictionaryKey:key];
    if (![value isKindOfClass:[NSString class]])
        return std::nullopt;
    return QString::fromNSString(static_cast<NSString *>(value));
}

} // namespace

VersionInfo VersionInfo::current()
{
    @autoreleasepool {
        return { infoString(@"CFBundleShortVersionString"), infoString(@"CFBundleVersion") };
    }
}
