#include "platform/RunningApplications.h"

#import <AppKit/AppKit.h>

namespace {

NSRunningApplication *applicationWithPid(qint64 pid)
{
    if (pid <= 0)
        return nil;
    return [NSRunningApplication runningApplicationWithProcessIdentifier:static_cast<pid_t>(pid)];
}

} // namespace

QList<qint64> RunningApplications::find(const QString &bundleID, const QString &)
{
    QList<qint64> pids;
    if (bundleID.isEmpty())
        return pids;
    @autoreleasepool {
        NSArray<NSRunningApplication *> *running =
            [NSRunningApplication runningApplicationsWithBundleIdentifier:bundleID.toNSString()];
        const pid_t own = [[NSProcessInfo processInfo] processIdentifier];
        for (NSRunningApplication *application in running) {
            if (application.processIdentifier > 0 && application.processIdentifier != own)
                pids.append(application.processIdentifier);
        }
    }
    return pids;
}

void RunningApplications::terminate(qint64 pid)
{
    @autoreleasepool {
        [applicationWithPid(pid) terminate];
    }
}

bool RunningApplications::isTerminated(qint64 pid)
{
    @autoreleasepool {
        NSRunningApplication *application = applicationWithPid(pid);
        return application == nil || application.isTerminated;
    }
}

void RunningApplications::forceTerminate(qint64 pid)
{
    @autoreleasepool {
        [applicationWithPid(pid) forceTerminate];
    }
}
