#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// Finds application bundles by bundle identifier in the direct entries of a list of folders:
// folder order first, then listing order, identifiers compared ignoring case. One locator lists
// each folder once and reads each Info.plist at most once, however many identifiers are asked
// for, so a refresh over the whole catalog costs one scan. Keep one only as long as one pass
// over the disk is wanted: it never looks again.
class BundleLocator
{
public:
    explicit BundleLocator(QStringList folders);

    std::optional<QString> find(const QString &bundleID);

private:
    // Reads the next bundle in search order into the index; false when none is left.
    bool scanNext();

    QStringList m_folders;
    qsizetype m_folderIndex = -1;
    QString m_folder;
    QStringList m_entries; // of m_folder, in listing order
    qsizetype m_entryIndex = 0;
    QHash<QString, QString> m_found; // case-folded identifier -> first bundle path
};
