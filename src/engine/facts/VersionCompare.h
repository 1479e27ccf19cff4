#pragma once

#include <QList>
#include <QString>

#include <optional>

// Orders two version texts the way a user reads them: dotted numbers, compared numerically. Only
// a version both sides agree on is ever called older; anything else is unknown.
namespace VersionCompare {

enum class Order { Older, Same, Newer, Unknown };

// "v1.10.2" -> {1, 10, 2}: one leading "v" dropped, then numbers joined by dots. Nothing for a
// pre-release ("2.0-beta", "2.0b1"), a build suffix or any other text.
std::optional<QList<quint64>> numbers(const QString &version);

// How installed stands against available. Missing trailing parts count as zero ("2" = "2.0").
// Homebrew's "1.2.3,456" (version, then build) compares the version first and the build only
// when both builds are plain numbers.
Order compare(const QString &installed, const QString &available);

// True only when both major numbers are known and installed's is at least two below available's.
bool isMoreThanOneMajorBehind(const QString &installed, const QString &available);

// The version as shown to the user: the tag "v2.1.0" reads "2.1.0".
QString displayed(const QString &version);

} // namespace VersionCompare
