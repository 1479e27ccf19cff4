#pragma once

#include "engine/Outcome.h"

#include <QByteArray>
#include <QCoroTask>
#include <QPointer>
#include <QString>
#include <QStringList>

// Runs one read-only brew command ("info", "outdated") and hands back its standard output. Unlike
// the install runner it keeps standard error apart, so brew's warnings never break its JSON, and
// it gives brew no standard input.
class OperationCoordinator;

namespace BrewQuery {

// Longest a query may run before it is stopped: a brew stuck on a lock must not hold a check forever.
constexpr int defaultTimeoutMs = 5 * 60 * 1000;

// Fails with a sentence when brew cannot start, is stopped, or exits with a status other than 0.
// With a coordinator, the query is one of the processes a quit stops, and none starts once a quit
// has begun.
QCoro::Task<Outcome<QByteArray>> run(
    QString brew, QStringList args, int timeoutMs = defaultTimeoutMs, QPointer<OperationCoordinator> coordinator = {});

} // namespace BrewQuery
