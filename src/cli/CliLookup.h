#pragma once

#include "catalog/CatalogApp.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Finds what a user typed: catalog apps, categories, commands and options, with a suggestion for
// a near miss ("maccyy" → "maccy"). Pure.
namespace CliLookup {

// Edits (insert, delete, replace, swap two neighbours) that turn a into b, ignoring case.
int editDistance(const QString &a, const QString &b);
// The candidate closest to word, when one is close enough to be what was meant: at most two edits
// (a third of the word's length for longer words), or the one candidate that begins with it.
std::optional<QString> closest(const QString &word, const QStringList &candidates);

struct Apps
{
    QList<CatalogApp> apps; // in the order named, each once
    QStringList problems; // one sentence per name that is no app
};
// Apps by id, cask token or name, in any case ("VLC", "handbrake-app", "Hidden Bar").
Apps apps(const QStringList &names, const QList<CatalogApp> &catalog);

// A category by its short key ("media") or its label ("Privacy & security"), in any case; nothing,
// with *problem set, otherwise.
std::optional<CatalogApp::Category> category(const QString &text, QString *problem);
// "window", "clipboard", "media", "menubar", "security", "files".
QString categoryKey(CatalogApp::Category category);

// "Unknown app “maccyy”. Did you mean “maccy”?" after first, the sentence that says what is
// unknown; the hint stands in when nothing is close.
QString unknown(const QString &first, const std::optional<QString> &suggestion, const QString &hint = {});

} // namespace CliLookup
