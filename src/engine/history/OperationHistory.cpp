#include "engine/history/OperationHistory.h"

#include "engine/history/HistorySchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QtConcurrentRun>

#include <atomic>
#include <cerrno>
#include <map>
#include <mutex>
#include <signal.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString columns = u"id, app_id, app_name, kind, route, version_before, version_after, started_at, ended_at, "
                        "outcome, sentence, failure_class, log, owner_pid"_s;
// The same, with whether there are log lines in place of them.
const QString summaryColumns = u"id, app_id, app_name, kind, route, version_before, version_after, started_at, "
                               "ended_at, outcome, sentence, failure_class, NULL, owner_pid, "
                               "(log IS NOT NULL AND log <> '')"_s;

// SQLite's own codes for a file that is not a database at all, or a damaged one.
bool isDamaged(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == u"26"_s || code == u"11"_s || code == u"14"_s;
}

QDateTime timeOf(const QVariant &value)
{
    return value.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(value.toLongLong());
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

HistoryRecord recordFrom(const QSqlQuery &query)
{
    HistoryRecord record;
    record.id = query.value(0).toLongLong();
    record.appID = query.value(1).toString();
    record.appName = query.value(2).toString();
    record.kind = HistoryRecord::kindFromName(query.value(3).toString()).value_or(HistoryRecord::Kind::Install);
    record.route = query.value(4).toString();
    record.versionBefore = query.value(5).toString();
    record.versionAfter = query.value(6).toString();
    record.started = timeOf(query.value(7));
    record.ended = timeOf(query.value(8));
    record.outcome
        = HistoryRecord::outcomeFromName(query.value(9).toString()).value_or(HistoryRecord::Outcome::Interrupted);
    record.sentence = query.value(10).toString();
    record.failure = HistoryRecord::failureFromName(query.value(11).toString());
    const QString log = query.value(12).toString();
    record.log = log.isEmpty() ? QStringList() : log.split(u'\n');
    record.ownerPid = query.value(13).toLongLong();
    record.logLeftOut = query.value(14).toBool();
    return record;
}

bool processIsGone(qint64 pid)
{
    return pid <= 0 || pid == QCoreApplication::applicationPid() || (kill(pid_t(pid), 0) != 0 && errno == ESRCH);
}

} // namespace

std::shared_ptr<OperationHistory> OperationHistory::forFolder(const QString &folder)
{
    if (folder.isEmpty())
        return nullptr;
    static std::mutex mutex;
    static std::map<QString, std::weak_ptr<OperationHistory>> histories;
    const QString path = fileIn(folder);
    const std::lock_guard lock(mutex);
    std::shared_ptr<OperationHistory> history = histories[path].lock();
    if (!history) {
        history = std::make_shared<OperationHistory>(path);
        histories[path] = history;
    }
    return history;
}

QString OperationHistory::fileIn(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absoluteFilePath(u"history.sqlite"_s));
}

OperationHistory::OperationHistory(QString path)
    : m_path(std::move(path))
{
    // A connection name of this process's own: Qt's connections are per process, SQLite's per file.
    static std::atomic<int> made { 0 };
    m_connection = u"orvando-history-%1-%2"_s.arg(QCoreApplication::applicationPid()).arg(++made);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!open(false) && m_damaged && QFileInfo::exists(m_path) && moveAside())
        open(true);
}

OperationHistory::~OperationHistory()
{
    m_checkpoint.waitForFinished();
    close();
}

bool OperationHistory::open(bool afterMovingAside)
{
    close();
    QSqlError failure;
    // Two processes opening a new file at once: while one sets it up (its journal, its tables),
    // the other can find it locked where SQLite does not wait. It tries again, for as long as a
    // write would wait.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
        db.setDatabaseName(m_path);
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(busyTimeoutMs));
        // Each statement is finished before the next: one left open keeps its read snapshot, and a
        // write over an old snapshot fails at once rather than waiting for the other process.
        const auto pragma = [&db, &failure](const QString &statement) {
            QSqlQuery query(db);
            if (!query.exec(statement) || !query.next()) {
                failure = query.lastError();
                return QString();
            }
            return query.value(0).toString();
        };
        if (!db.open()) {
            failure = db.lastError();
        } else if (pragma(u"PRAGMA journal_mode = WAL"_s); !failure.isValid()) {
            const QString check = pragma(u"PRAGMA quick_check(1)"_s);
            QString why;
            // A check that runs and finds damage reports it as its result.
            if (!failure.isValid() && check != u"ok"_s)
                failure = QSqlError(check, {}, QSqlError::StatementError, u"11"_s);
            else if (!failure.isValid() && !HistorySchema::migrate(db, HistorySchema::currentVersion, &why))
                failure = QSqlError(why, {}, QSqlError::StatementError);
            QSqlQuery(db).exec(u"PRAGMA synchronous = NORMAL"_s);
            // The journal is folded back into the file off the main thread (checkpointSoon), not
            // by whichever write happens to fill it.
            QSqlQuery(db).exec(u"PRAGMA wal_autocheckpoint = 0"_s);
        }
        const QString code = failure.nativeErrorCode();
        if (!failure.isValid() || (code != u"5"_s && code != u"6"_s) || waited.elapsed() > busyTimeoutMs)
            break;
        db = QSqlDatabase();
        close();
        failure = QSqlError();
        QThread::msleep(20);
    }
    m_open = !failure.isValid();
    if (m_open) {
        if (!afterMovingAside)
            m_problem.clear();
        markInterrupted();
        return true;
    }
    if (!afterMovingAside)
        //: %1 is SQLite's own description of the problem, in English.
        m_problem = u"warning: "_s + tr("The history of operations can't be opened (%1).").arg(failure.text());
    close();
    // Only a damaged file is moved aside; a busy one is left to whoever holds it.
    m_damaged = isDamaged(failure);
    return false;
}

void OperationHistory::close()
{
    m_open = false;
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool OperationHistory::moveAside()
{
    const QString aside = m_path + u".unreadable-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    if (!QFile::rename(m_path, aside))
        return false;
    // Its journal belongs to the old file; next to a new one it would be read as the new one's.
    QFile::rename(m_path + u"-wal"_s, aside + u"-wal"_s);
    QFile::rename(m_path + u"-shm"_s, aside + u"-shm"_s);
    //: %1 is the path of the file moved aside.
    m_problem = u"warning: "_s
        + tr("The history of operations could not be read; it was moved to %1 and a new one started.").arg(aside);
    qWarning("%s", qPrintable(m_problem));
    return true;
}

void OperationHistory::markInterrupted()
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(u"SELECT id, owner_pid FROM operations WHERE outcome = 'running'"_s))
        return;
    QList<qint64> gone;
    while (query.next())
        if (processIsGone(query.value(1).toLongLong()))
            gone.append(query.value(0).toLongLong());
    query.finish();
    QSqlQuery update(db);
    update.prepare(u"UPDATE operations SET outcome = 'interrupted', owner_pid = NULL, sentence = ? "
                   "WHERE id = ? AND outcome = 'running'"_s);
    // Written once, in the language in use now; it stays as written, like every record's sentence.
    const QString sentence = tr("Orvando stopped before this operation finished.");
    for (const qint64 id : gone) {
        update.addBindValue(sentence);
        update.addBindValue(id);
        update.exec();
    }
}

qint64 OperationHistory::begin(const HistoryRecord &record)
{
    if (!m_open)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(u"INSERT INTO operations (app_id, app_name, kind, route, version_before, started_at, outcome, "
                  "owner_pid) VALUES (?, ?, ?, ?, ?, ?, 'running', ?)"_s);
    query.addBindValue(record.appID.isNull() ? u""_s : record.appID); // a batch has none
    query.addBindValue(textOrNull(record.appName));
    query.addBindValue(HistoryRecord::kindName(record.kind));
    query.addBindValue(textOrNull(record.route));
    query.addBindValue(textOrNull(record.versionBefore));
    query.addBindValue(
        record.started.isValid() ? record.started.toMSecsSinceEpoch() : QDateTime::currentMSecsSinceEpoch());
    query.addBindValue(QCoreApplication::applicationPid());
    if (!query.exec())
        return 0;
    return query.lastInsertId().toLongLong();
}

bool OperationHistory::finish(qint64 id, const HistoryRecord &record)
{
    if (!m_open || id <= 0)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(u"UPDATE operations SET version_after = ?, ended_at = ?, outcome = ?, sentence = ?, "
                  "failure_class = ?, log = ?, owner_pid = NULL WHERE id = ?"_s);
    query.addBindValue(textOrNull(record.versionAfter));
    query.addBindValue(record.ended.isValid() ? record.ended.toMSecsSinceEpoch() : QDateTime::currentMSecsSinceEpoch());
    query.addBindValue(HistoryRecord::outcomeName(record.outcome));
    query.addBindValue(textOrNull(record.sentence));
    query.addBindValue(record.failure ? QVariant(HistoryRecord::failureName(*record.failure))
                                      : QVariant(QMetaType::fromType<QString>()));
    query.addBindValue(
        textOrNull(record.log.mid(std::max<qsizetype>(0, record.log.size() - HistoryRecord::maxLogLines)).join(u'\n')));
    query.addBindValue(id);
    const bool written = query.exec();
    prune();
    if (++m_writesSinceCheckpoint >= checkpointEvery) {
        m_writesSinceCheckpoint = 0;
        checkpointSoon();
    }
    return written;
}

void OperationHistory::checkpointSoon()
{
    if (m_checkpoint.isRunning())
        return;
    m_checkpoint = QtConcurrent::run([path = m_path] {
        // A connection of the worker's own: Qt's may only be used on the thread that made them.
        static std::atomic<int> made { 0 };
        const QString name = u"orvando-history-checkpoint-%1-%2"_s.arg(QCoreApplication::applicationPid()).arg(++made);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
            db.setDatabaseName(path);
            db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(busyTimeoutMs));
            if (db.open())
                QSqlQuery(db).exec(u"PRAGMA wal_checkpoint(PASSIVE)"_s);
        }
        QSqlDatabase::removeDatabase(name);
    });
}

void OperationHistory::prune()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(
        u"DELETE FROM operations WHERE id <= (SELECT id FROM operations ORDER BY id DESC LIMIT 1 OFFSET ?)"_s);
    query.addBindValue(keptOperations);
    query.exec();
}

QList<HistoryRecord> OperationHistory::recent(
    int limit, const QString &appID, std::optional<HistoryRecord::Outcome> outcome, Lines lines) const
{
    QList<HistoryRecord> records;
    if (!m_open)
        return records;
    QString sql = u"SELECT "_s + (lines == Lines::Read ? columns : summaryColumns) + u" FROM operations WHERE 1"_s;
    if (!appID.isEmpty())
        sql += u" AND app_id = ?"_s;
    if (outcome)
        sql += u" AND outcome = ?"_s;
    sql += u" ORDER BY id DESC LIMIT ?"_s;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    if (!appID.isEmpty())
        query.addBindValue(appID);
    if (outcome)
        query.addBindValue(HistoryRecord::outcomeName(*outcome));
    query.addBindValue(std::max(limit, 0));
    if (!query.exec())
        return records;
    while (query.next())
        records.append(recordFrom(query));
    return records;
}

std::optional<HistoryRecord> OperationHistory::record(qint64 id) const
{
    if (!m_open)
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(u"SELECT "_s + columns + u" FROM operations WHERE id = ?"_s);
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    const HistoryRecord found = recordFrom(query);
    query.finish();
    return found;
}
