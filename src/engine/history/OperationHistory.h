#pragma once

#include "engine/history/HistoryRecord.h"

#include <QCoreApplication>
#include <QFuture>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// The record of operations across runs: one SQLite file in the user's data folder, shared by
// every window and by the command line, each process through a connection of its own. Write-ahead
// logging and a busy timeout let several processes write at once; each write is one short
// transaction. Operations still open from a process that is gone are marked interrupted when the
// file is opened; the newest keptOperations are kept. A file that cannot be read is moved aside
// and a new one started, so the history never stops the program. Main thread only.
class OperationHistory
{
    Q_DECLARE_TR_FUNCTIONS(OperationHistory)

public:
    static constexpr int keptOperations = 1000;
    static constexpr int busyTimeoutMs = 10000;
    // Completed operations between two checkpoints of the write-ahead journal.
    static constexpr int checkpointEvery = 50;

    // The history kept in folder ("<folder>/history.sqlite"), opened on first use and shared
    // while anyone holds it; null for an empty folder.
    static std::shared_ptr<OperationHistory> forFolder(const QString &folder);
    static QString fileIn(const QString &folder);

    explicit OperationHistory(QString path);
    ~OperationHistory();
    OperationHistory(const OperationHistory &) = delete;
    OperationHistory &operator=(const OperationHistory &) = delete;

    bool isOpen() const { return m_open; }
    const QString &path() const { return m_path; }
    // What went wrong with the file at opening, as a log line ("warning: …"); empty when nothing did.
    const QString &problem() const { return m_problem; }

    // Writes record as running, owned by this process; its id, or 0 when it could not be written.
    qint64 begin(const HistoryRecord &record);
    // Writes how record (begun as id) ended: end time, outcome, sentence, failure, version after
    // and log lines; then drops what is past keptOperations.
    bool finish(qint64 id, const HistoryRecord &record);

    // Whether a list carries each operation's log lines, or only says it has some (logLeftOut).
    enum class Lines { Read, LeftOut };
    // The newest first, at most limit, of one app and one outcome when given.
    QList<HistoryRecord> recent(int limit = keptOperations, const QString &appID = {},
        std::optional<HistoryRecord::Outcome> outcome = std::nullopt, Lines lines = Lines::Read) const;
    std::optional<HistoryRecord> record(qint64 id) const;

private:
    // Opens the file, ready to use; false, with problem set, when it is not.
    bool open(bool afterMovingAside);
    void close();
    bool moveAside();
    void markInterrupted();
    void prune();
    // Folds the journal back into the file, on a worker thread.
    void checkpointSoon();

    QString m_path;
    QString m_connection;
    QString m_problem;
    bool m_open = false;
    int m_writesSinceCheckpoint = 0;
    QFuture<void> m_checkpoint;
    bool m_damaged = false; // the last open failed on a file that is not, or no longer, a database
};
