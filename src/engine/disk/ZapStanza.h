#pragma once

#include <QJsonArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What a cask's `zap` stanza says the app leaves behind, as `brew info --json=v2` publishes it:
// {"zap": [{"trash": [...], "delete": "...", "launchctl": [...], ...}]} among the "artifacts".
// Paths are kept as written (with "~" and globs); RemovalPlan resolves them.
struct ZapStanza
{
    QStringList trash;
    QStringList remove; // "delete": gone for good in Homebrew's own zap
    QStringList rmdir; // folders removed only when empty
    QStringList launchctl; // launch job labels
    QStringList loginItems; // login item names
    QStringList pkgutil; // installer receipt ids
    QList<QPair<QString, QString>> signal; // (signal name, bundle id)

    bool isEmpty() const;
    // Every path entry, trash first, then delete, then rmdir.
    QStringList paths() const;
    // Entries that are not files: launch jobs, login items, receipts and signals.
    int actionCount() const;

    // The zap stanza among a cask's "artifacts"; empty when it has none.
    static ZapStanza fromArtifacts(const QJsonArray &artifacts);
    // The stanza's own list of argument objects (the value of "zap").
    static ZapStanza fromArgs(const QJsonArray &args);

    friend bool operator==(const ZapStanza &, const ZapStanza &) = default;
};
