#pragma once

#include "engine/Environment.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// Where the command line acts: this Mac, or, when ORVANDO_CLI_ENVIRONMENT names a JSON file, the
// folders, brew and service addresses that file gives (the tests' sandbox). Keys the file leaves
// out keep this Mac's values. Only a program built with ORVANDO_TEST_ENVIRONMENT reads it.
namespace EnvironmentFile {

inline constexpr auto variable = "ORVANDO_CLI_ENVIRONMENT";

// The keys of object laid over base; nothing, with *error set, on an unknown key or a wrong type.
std::optional<Environment> apply(Environment base, const QJsonObject &object, QString *error);
QJsonObject toJson(const Environment &env);
bool write(const QString &path, const Environment &env);

// Environment::system(), or the file's when the variable is set. A file that cannot be read is an
// error, never a reason to act on the real Mac instead.
std::optional<Environment> load(QString *error);

} // namespace EnvironmentFile
