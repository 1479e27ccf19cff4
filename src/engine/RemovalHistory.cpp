#include "engine/RemovalHistory.h"

#include <QFileInfo>

void RemovalHistory::remember(const RemovalRecord &record)
{
    m_records.insert(record.appID, record);
    Q_EMIT changed(record.appID);
}

void RemovalHistory::forget(const QString &appID)
{
    if (m_records.remove(appID) > 0)
        Q_EMIT changed(appID);
}

std::optional<RemovalRecord> RemovalHistory::record(const QString &appID) const
{
    const auto it = m_records.constFind(appID);
    return it == m_records.cend() ? std::nullopt : std::optional(*it);
}

bool RemovalHistory::canUndo(const QString &appID) const
{
    const auto it = m_records.constFind(appID);
    if (it == m_records.cend())
        return false;
    // A cask comes back through Homebrew even when nothing else was moved.
    if (!it->caskToken.isEmpty())
        return true;
    return std::any_of(it->moved.cbegin(), it->moved.cend(), [](const MovedItem &item) {
        const QFileInfo trashed(item.trashedPath);
        return trashed.exists() || trashed.isSymLink();
    });
}
