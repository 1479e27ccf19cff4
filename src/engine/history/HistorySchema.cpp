#include "engine/history/HistorySchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Step n makes version n + 1 of the file. Never change a step once shipped: add one.
const QList<QStringList> steps {
    // 1: one row per operation.
    {
        u"CREATE TABLE operations (id INTEGER PRIMARY KEY AUTOINCREMENT, app_id TEXT NOT NULL, "
        "kind TEXT NOT NULL, route TEXT, version_before TEXT, version_after TEXT, "
        "started_at INTEGER NOT NULL, ended_at INTEGER, outcome TEXT NOT NULL, sentence TEXT)"_s,
    },
    // 2: the app's name as shown, the failure's class, the process that runs an open operation
    // (so another one does not call it interrupted) and the operation's own log lines.
    {
        u"ALTER TABLE operations ADD COLUMN app_name TEXT"_s,
        u"ALTER TABLE operations ADD COLUMN failure_class TEXT"_s,
        u"ALTER TABLE operations ADD COLUMN owner_pid INTEGER"_s,
        u"ALTER TABLE operations ADD COLUMN log TEXT"_s,
        u"CREATE INDEX operations_by_app ON operations (app_id)"_s,
        u"CREATE INDEX operations_by_outcome ON operations (outcome)"_s,
    },
};

bool run(const QSqlDatabase &db, const QString &statement, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

} // namespace

int HistorySchema::version(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(u"PRAGMA user_version"_s) || !query.next())
        return -1;
    return query.value(0).toInt();
}

bool HistorySchema::migrate(const QSqlDatabase &db, int upTo, QString *error)
{
    // IMMEDIATE takes the write lock first, so two processes opening a new file do not both
    // create its tables; the second then finds the version the first wrote.
    if (!run(db, u"BEGIN IMMEDIATE"_s, error))
        return false;
    const int from = version(db);
    bool ok = from >= 0;
    for (int step = std::max(from, 0); ok && step < upTo && step < int(steps.size()); ++step) {
        for (const QString &statement : steps.at(step))
            ok = ok && run(db, statement, error);
        ok = ok && run(db, u"PRAGMA user_version = "_s + QString::number(step + 1), error);
    }
    if (!ok) {
        run(db, u"ROLLBACK"_s, nullptr);
        return false;
    }
    return run(db, u"COMMIT"_s, error);
}
