#pragma once

#include "engine/disk/RemovalRecord.h"

#include <QHash>
#include <QObject>

#include <optional>

// The removals of this run that can still be undone, one per app, kept in memory only: once the
// program quits, the Trash is the user's to empty. One per process, beside the coordinator.
class RemovalHistory : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void remember(const RemovalRecord &record);
    void forget(const QString &appID);
    std::optional<RemovalRecord> record(const QString &appID) const;
    // Whether a removal of appID is on record and something it moved is still in the Trash.
    bool canUndo(const QString &appID) const;

Q_SIGNALS:
    // A record for appID came or went.
    void changed(const QString &appID);

private:
    QHash<QString, RemovalRecord> m_records;
};
