#include "platform/ProxyExceptions.h"

#import <Foundation/Foundation.h>
#import <SystemConfiguration/SystemConfiguration.h>

// System Settings › Network › Proxies › "Bypass proxy settings for these hosts & domains", and
// "Exclude simple hostnames" (curl has no wildcard for those: localhost stands for them).
QStringList ProxyExceptions::list()
{
    QStringList hosts;
    @autoreleasepool {
        NSDictionary *proxies = CFBridgingRelease(SCDynamicStoreCopyProxies(NULL));
        NSArray *exceptions = proxies[(__bridge NSString *)kSCPropNetProxiesExceptionsList];
        if ([exceptions isKindOfClass:[NSArray class]]) {
            for (id host in exceptions) {
                if ([host isKindOfClass:[NSString class]] && [host length] > 0)
                    hosts.append(QString::fromNSString(host));
            }
        }
        NSNumber *simple = proxies[(__bridge NSString *)kSCPropNetProxiesExcludeSimpleHostnames];
        if ([simple isKindOfClass:[NSNumber class]] && simple.boolValue && !hosts.contains(QStringLiteral("localhost")))
            hosts.append(QStringLiteral("localhost"));
    }
    return hosts;
}
