#pragma once

#include "engine/Environment.h"

#include <QProcessEnvironment>
#include <QString>

#include <optional>

// Finding brew and the one environment every brew command runs in, for the install runner and the
// read-only queries alike.
namespace BrewRunner {

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

} // namespace BrewRunner
