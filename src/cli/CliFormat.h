#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// Text and JSON as the command line prints them. Pure.
namespace CliFormat {

// The version of the JSON documents' shape; it changes only when a key is removed or changes
// meaning (new keys may appear without it).
inline constexpr int schemaVersion = 1;

// Columns padded to their widest cell, two spaces apart, the last one unpadded; a header row first
// when headers are given. Every line ends with a line feed.
QString table(const QStringList &headers, const QList<QStringList> &rows);
// How many terminal columns text takes: two for each Chinese, Japanese or Korean character and
// full-width form, none for a combining mark, one for anything else.
qsizetype columns(const QString &text);
// object with "schemaVersion" added, indented, ending with a line feed.
QByteArray document(QJsonObject object);
// text safe to print on a terminal: control characters (escape sequences, carriage returns, bells)
// and the marks that reorder text shown as escapes, "\x1B" or "\u202E"; everything else as it is.
QString printable(const QString &text);
// A JSON value for optional text: null when empty.
QJsonValue textOrNull(const QString &text);

} // namespace CliFormat
