#pragma once

#include "engine/facts/CaskFacts.h"
#include "engine/facts/ReleaseFacts.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

// The facts last read and when, kept as JSON in the user's cache folder so that a launch with a
// warm cache asks neither brew nor the network.
struct CaskFactsSnapshot
{
    QDateTime readAt; // invalid when nothing was ever read
    QHash<QString, CaskFacts> casks; // by cask token
    QHash<QString, ReleaseFacts> releases; // by catalog app id

    friend bool operator==(const CaskFactsSnapshot &, const CaskFactsSnapshot &) = default;
};

namespace CaskFactsCache {

QString path(const QString &cacheDir);
// Nothing when the file is missing, unreadable or not a cache of ours.
std::optional<CaskFactsSnapshot> load(const QString &path);
// Replaces the file in one step (a crash never leaves half a cache); false when it cannot.
bool save(const QString &path, const CaskFactsSnapshot &snapshot);

} // namespace CaskFactsCache
