#pragma once

#include "engine/Environment.h"
#include "engine/homebrew/BrewResult.h"

#include <QCoroTask>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class OperationCoordinator;

// Finding brew, the one environment every brew command runs in (for the operations and the
// read-only queries alike), and running the commands of an operation.
namespace BrewRunner {

using LinesHandler = std::function<void(const QStringList &lines)>;

// The first of env's Homebrew candidates that is an executable file; brew itself is never run to
// test it.
std::optional<QString> resolveBinary(const Environment &env);
// The folder two levels above a brew executable: "/opt/homebrew" for "/opt/homebrew/bin/brew".
QString prefix(const QString &brewBinary);
// The system's environment with Homebrew told where it lives and to keep quiet (no auto-update, no
// analytics, no hints). With helperDir holding the password helper, sudo inside a cask asks
// through it; appName, when given, is the application it asks for.
QProcessEnvironment environment(
    const QString &brewBinary, const QString &helperDir = {}, const std::optional<QString> &appName = std::nullopt);

// Runs brew with args in environment, its standard output and error merged, and hands the complete
// lines of each read to onLines on the main thread, in order, all of them before the result. With
// appID, a cancel of that app's operation stops it, and a cancelled one never starts it; a quit
// stops it too. onLines must not spin an event loop of its own.
QCoro::Task<BrewResult> run(QString brewBinary, QStringList args, QProcessEnvironment environment,
    OperationCoordinator *coordinator, QString appID, LinesHandler onLines);

} // namespace BrewRunner
