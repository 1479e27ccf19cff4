#pragma once

#include "catalog/CatalogApp.h"
#include "engine/Environment.h"
#include "engine/facts/AppUpdate.h"

#include <QCoroTask>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <optional>

class OperationCoordinator;
class CaskFactsService;
class QNetworkAccessManager;

// Finds which installed catalog apps have a newer version: casks through `brew outdated --cask
// --greedy`, direct downloads by the installed bundle's version against the latest GitHub
// release. Runs in the background after the installed-state refresh, at most once an hour unless
// the user asks. A part that fails keeps its earlier answer and logs one line. Main thread only.
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 minimumIntervalSeconds = 60 * 60;

    // facts, when given, says which casks update themselves; network is the process's shared access
    // manager (null: each check makes its own).
    UpdateChecker(Environment env, QList<CatalogApp> apps, const CaskFactsService *facts = nullptr,
        QNetworkAccessManager *network = nullptr, QObject *parent = nullptr);

    // Call after each installed-state refresh: starts a check in the background unless one ran
    // within the hour (or is running).
    void installedStateRefreshed();
    // "Check for updates": starts a check now, whatever the time since the last one.
    void checkNow();
    // The check itself. True when at least one part (casks, direct downloads) was read; false when
    // all failed or a check was already running.
    QCoro::Task<bool> check();

    // Every app with a newer version, in catalog order, those that update themselves included;
    // not those the user chose to leave alone (UpdateHolds), which leftAlone() lists with why.
    QList<AppUpdate> updates() const;
    QList<std::pair<AppUpdate, QString>> leftAlone() const;
    std::optional<AppUpdate> update(const QString &appID) const;
    // How many apps wait for the user: those that do not update themselves ("Updates (n)").
    int count() const;
    bool isChecking() const { return m_checking; }
    // Why parts of the last check could not be read (brew's or GitHub's answer); empty when all was.
    const QStringList &lastProblems() const { return m_problems; }
    QDateTime lastChecked() const { return m_lastChecked; }
    // Drops an app's entry, after it was updated or removed.
    void forget(const QString &appID);
    // The apps "Update all" updates: those with an update that do not update themselves, in
    // catalog order.
    QList<CatalogApp> appsToUpdate() const;

    // Whether a check is due at now when the last one started at lastChecked.
    static bool isDue(const QDateTime &lastChecked, const QDateTime &now);

    // The coordinator whose quit stops the brew this runs; none: nothing stops it but its time-out.
    void setCoordinator(OperationCoordinator *coordinator);

Q_SIGNALS:
    // The list of updates changed.
    void updatesChanged();
    void countChanged(int count);
    void checkingChanged(bool checking);

private:
    // What one part of a check found out: the apps it could check, and which of those have an update.
    struct Checked
    {
        QSet<QString> appIDs;
        QList<AppUpdate> updates;
        QStringList problems;
    };
    QCoro::Task<Checked> checkCasks();
    QCoro::Task<Checked> checkDirectDownloads();
    void setUpdates(const QHash<QString, AppUpdate> &updates);
    void setChecking(bool checking);

    Environment m_env;
    QList<CatalogApp> m_apps;
    QPointer<const CaskFactsService> m_facts;
    QPointer<QNetworkAccessManager> m_network;
    QPointer<OperationCoordinator> m_coordinator;
    QHash<QString, AppUpdate> m_updates; // by app id, those offered
    QHash<QString, AppUpdate> m_found; // by app id, those left alone too
    qsizetype m_leftAloneCount = 0;
    bool m_checking = false;
    QDateTime m_lastChecked;
    QStringList m_problems;
};
