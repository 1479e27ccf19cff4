#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads text values from property lists, XML or binary. Every bundle on the disk is untrusted
// input: a missing, oversized or malformed file, a root that is not a dictionary, or a value that
// is not clean text gives nothing rather than an error.
namespace PlistReader {

// Files larger than this are not read at all; real Info.plist files are a few kilobytes.
constexpr qint64 maxFileSize = 8 * 1024 * 1024;

std::optional<QString> stringValue(const QByteArray &data, const QString &key);
std::optional<QString> stringValueInFile(const QString &path, const QString &key);

} // namespace PlistReader
