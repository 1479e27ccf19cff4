#pragma once

#include "engine/disk/RemovalPlan.h"
#include "engine/disk/RemovalRecord.h"
#include "engine/operations/OperationContext.h"

#include <QCoroTask>

// The steps a removal and its undo are made of, each reporting to the run's log.
namespace RemovalSteps {

// What the app would leave, from the facts cache (no network) and the disk as it is now.
RemovalPlan plan(const OperationContext &run, const std::optional<InstallMethod> &method);

// Stops the launch jobs the app registered and removes its login items, before its files move.
// What cannot be stopped is said in the log; nothing of it fails the removal.
QCoro::Task<> stopBackgroundItems(OperationContext run, RemovalPlan plan);

// `tccutil reset All <id>`: every privacy permission the app holds. True when it ran and exited 0.
QCoro::Task<bool> resetPrivacy(QString tccutilPath, QString bundleID);

// Moves each of paths to the Trash, adding what moved to *moved. What the Trash refuses stays
// where it is, said in the log: nothing is deleted for good.
void moveToTrash(const OperationContext &run, const QStringList &paths, QList<MovedItem> *moved);

// Puts every item back; the sentences of those that could not be, one per item.
QStringList putBack(const QList<MovedItem> &moved);

} // namespace RemovalSteps
