#pragma once

#include "catalog/CatalogApp.h"
#include "engine/history/HistoryRecord.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <memory>

class InstallEngine;
class OperationHistory;

// The history's entry for one run of an operation, held beside the run's context by whoever holds
// the app's ticket: written as running when the run starts, it collects the app's log lines while
// the run goes on, and is completed with how the run ended when it goes, at the run's end.
class OperationRecord
{
    Q_DECLARE_TR_FUNCTIONS(OperationRecord)

public:
    // Starts the entry; nothing is written when the engine keeps no history.
    OperationRecord(InstallEngine *engine, const CatalogApp &app, HistoryRecord::Kind kind);
    ~OperationRecord();
    OperationRecord(const OperationRecord &) = delete;
    OperationRecord &operator=(const OperationRecord &) = delete;

    qint64 id() const { return m_id; }

    // The version of app's bundle on disk; empty without one.
    static QString installedVersion(const InstallEngine *engine, const CatalogApp &app);

private:
    // How the run ended, from what it left the app in.
    void conclude();

    QPointer<InstallEngine> m_engine;
    CatalogApp m_app;
    std::shared_ptr<OperationHistory> m_history;
    HistoryRecord m_record;
    qint64 m_id = 0;
    qsizetype m_linesLeftOut = 0;
    QMetaObject::Connection m_lines;
};
