#pragma once

#include "catalog/CatalogApp.h"
#include "engine/OperationOutcome.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <QSet>

struct CliContext;

// One operation of the command line worked through the batch queue: each app reported as it ends,
// what was skipped or never started told afterwards, and the exit status that sums it up.
class BatchRun : public QObject
{
    Q_OBJECT

public:
    // Works through apps in context's batch queue; the exit status.
    static QCoro::Task<int> run(CliContext *context, AppOperation operation, QList<CatalogApp> apps);

private:
    BatchRun(CliContext *context, AppOperation operation);

    void report(const CatalogApp &app, const OperationOutcome &outcome);

    CliContext *m_context;
    AppOperation m_operation;
    bool m_setupAllowed = false;
    int m_failures = 0;
    int m_missingHomebrew = 0;
    QSet<QString> m_reported;
    QHash<QString, QString> m_newVersions; // update: the version each app goes to, when known
};
