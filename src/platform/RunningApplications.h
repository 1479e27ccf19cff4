#pragma once

#include <QList>
#include <QString>

// The running instances of an application, asked to quit politely or forced to. Instances are
// named by process id, so a caller can look them up again after waiting.
namespace RunningApplications {

// Process ids of the running instances of the application with bundleID. bundlePath is where its
// bundle was found, if anywhere; without the system's application registry it is what identifies
// the instances (processes whose program lies inside the bundle).
QList<qint64> find(const QString &bundleID, const QString &bundlePath);

// Asks the instance to quit and returns at once.
void terminate(qint64 pid);
// True once the instance has ended (also when it was never there).
bool isTerminated(qint64 pid);
// Ends the instance without asking; does not wait.
void forceTerminate(qint64 pid);

} // namespace RunningApplications
