#pragma once

#include "catalog/CatalogApp.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The file a set of apps travels in to another Mac: a Brewfile that Homebrew itself understands
// (`brew bundle`), with a comment for each app that comes from GitHub releases instead. Reading
// also takes a plain list of cask tokens or catalog ids, one per line.
namespace AppSetFile {

// Files larger than this are not lists of apps; they are refused before being read.
constexpr qint64 maxFileSize = 1024 * 1024;

struct Import
{
    QList<CatalogApp> apps; // the catalog apps the file names, in catalog order, each once
    QStringList ignored; // Brewfile lines for things other than casks ("brew \"wget\""), as written
    QStringList unknown; // names that are no catalog app, as written
    std::optional<QString> error; // a sentence when the file could not be read at all

    bool succeeded() const { return !error.has_value(); }
};

// `cask "maccy"` for each installed cask app and "# parabolic: installed from GitHub releases by
// Orvando" for each installed direct download, in catalog order, one per line.
QByteArray exportBrewfile(const QList<CatalogApp> &catalog, const QSet<QString> &installedIDs);

// Reads file content: comments ("#" to the end of the line) and blank lines are skipped, CR LF
// line ends and a byte-order mark are accepted; an empty or binary file is an error.
Import parse(const QByteArray &content, const QList<CatalogApp> &catalog);

Import readFile(const QString &path, const QList<CatalogApp> &catalog);
// Replaces the file at path in one step; on failure returns false and sets *error to a sentence.
bool writeFile(const QString &path, const QByteArray &content, QString *error);

} // namespace AppSetFile
