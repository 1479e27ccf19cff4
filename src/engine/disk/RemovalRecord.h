#pragma once

#include "engine/disk/LeftoverItem.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the user chose on the review: keep the app's data, or which of its leftovers go.
struct RemovalChoice
{
    bool keepData = false;
    std::optional<QStringList> leftovers; // the paths ticked; nothing: every one found but the user's own

    bool takes(const LeftoverItem &item) const
    {
        return !keepData && (leftovers ? leftovers->contains(item.path) : !item.inUserFolder);
    }
};

// One item a removal moved to the Trash, and where it went.
struct MovedItem
{
    QString originalPath;
    QString trashedPath;

    friend bool operator==(const MovedItem &, const MovedItem &) = default;
};

// What a finished removal can be undone from: the cask Homebrew reinstalls (empty for a direct
// download) and every item moved to the Trash.
struct RemovalRecord
{
    QString appID;
    QString caskToken;
    QList<MovedItem> moved;
};
