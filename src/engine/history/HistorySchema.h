#pragma once

class QSqlDatabase;
class QString;

// The history file's tables, by version (PRAGMA user_version). Each version is one step over the
// one before; a file of any earlier version is brought up to date step by step, so what it holds
// is kept.
namespace HistorySchema {

constexpr int currentVersion = 2;

// The file's version; -1 when it cannot be read.
int version(const QSqlDatabase &db);
// Applies the steps after the file's version up to upTo, in one write transaction that another
// process waits for. False, with why in error, when a step fails; the file is then left as it was.
bool migrate(const QSqlDatabase &db, int upTo = currentVersion, QString *error = nullptr);

} // namespace HistorySchema
