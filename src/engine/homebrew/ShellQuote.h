#pragma once

#include <QString>

// Quoting for command lines that /bin/sh runs: the Homebrew setup's and the self-removal's.
namespace ShellQuote {

// text as one single-quoted shell word, each ' written as '\'' (text without ' is kept as is).
QString quoted(const QString &text);

} // namespace ShellQuote
