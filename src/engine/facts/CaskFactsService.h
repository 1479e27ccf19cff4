#pragma once

#include "catalog/CatalogApp.h"
#include "engine/Environment.h"
#include "engine/facts/CaskFactsCache.h"

#include <QCoroTask>
#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class OperationCoordinator;
class QNetworkAccessManager;

// Keeps what Homebrew says about the catalog's casks, and what GitHub says about its direct
// downloads, for the card, the detail sheet and the command line. Starts from the cache in the
// user's cache folder and refreshes in the background when that is older than a day: one
// `brew info` run for every cask when Homebrew is here, otherwise Homebrew's public API, a few
// requests at a time. A failed refresh keeps what was known and logs one line. Main thread only.
class CaskFactsService : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 maxAgeSeconds = 24 * 60 * 60;
    static constexpr int maxParallelRequests = 4;

    // network: the process's shared access manager (the coordinator's); null for one of its own.
    CaskFactsService(
        Environment env, QList<CatalogApp> apps, QNetworkAccessManager *network = nullptr, QObject *parent = nullptr);
    ~CaskFactsService() override;

    // Loads the cache (a small file, read at once) and, when it is missing or stale, starts a
    // refresh that runs in the background.
    void start();
    // Reads everything again now. True when anything was read; false when it all failed (the
    // facts stay as they were) or a refresh was already running.
    QCoro::Task<bool> refresh();

    std::optional<CaskFacts> caskFacts(const QString &token) const;
    // The cask facts of a Homebrew app; nothing for a direct download or an unknown cask.
    std::optional<CaskFacts> caskFacts(const CatalogApp &app) const;
    // By catalog app id, for apps installed from GitHub releases.
    std::optional<ReleaseFacts> releaseFacts(const QString &appID) const;
    QDateTime readAt() const { return m_snapshot.readAt; }
    bool isRefreshing() const { return m_refreshing; }
    QString cachePath() const;

    // Stale: never read, read 24 hours ago or more, or read "in the future" (the clock moved back).
    static bool isStale(const QDateTime &readAt, const QDateTime &now);

    // The coordinator whose quit stops the brew this runs; none: nothing stops it but its time-out.
    void setCoordinator(OperationCoordinator *coordinator);

Q_SIGNALS:
    // The facts changed: the cache was loaded, or a refresh read something different.
    void factsChanged();
    void refreshingChanged(bool refreshing);

private:
    void setRefreshing(bool refreshing);
    void setSnapshot(const CaskFactsSnapshot &snapshot);

    Environment m_env;
    QList<CatalogApp> m_apps;
    CaskFactsSnapshot m_snapshot;
    bool m_refreshing = false;
    // Shared with requests in flight, so an own one outlives them should the service go first; a
    // given one is not owned.
    std::shared_ptr<QNetworkAccessManager> m_network;
    QPointer<OperationCoordinator> m_coordinator;
};
