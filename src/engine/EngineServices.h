#pragma once

#include "catalog/CatalogApp.h"
#include "engine/Environment.h"
#include "platform/Gatekeeper.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>

#include <optional>

class CaskFactsService;
class OperationCoordinator;
class UpdateChecker;

// The window-free services of the whole process, beside the coordinator that every engine shares:
// what Homebrew and GitHub say about each app (health, versions), which installed apps have
// updates, and what Gatekeeper makes of each installed bundle. Both front ends read them; the
// engines consult them (a disabled cask is never installed, an update forgets its entry). Made
// once per process with the coordinator, and handed to each engine. Main thread only.
class EngineServices : public QObject
{
    Q_OBJECT

public:
    // Owned by coordinator, whose network access manager it uses and whose quit stops its brew.
    // Whoever makes it hands it to each engine it makes.
    EngineServices(Environment env, QList<CatalogApp> apps, OperationCoordinator *coordinator);
    ~EngineServices() override;

    // For a window: from the event loop's next turn (so never before the first frame), loads the
    // facts' cache and refreshes it in the background when it is a day old. A command line that
    // wants the facts at once calls facts()->start() itself.
    void start();

    CaskFactsService *facts() const { return m_facts; }
    UpdateChecker *updates() const { return m_updates; }
    const QList<CatalogApp> &apps() const { return m_apps; }

    // Called by the engines after each installed-state refresh: a check for updates follows, at
    // most hourly.
    void installedStateRefreshed();

    // What Gatekeeper said about appID's bundle, once assessed in this run.
    std::optional<GatekeeperAssessment> gatekeeper(const QString &appID) const;
    // Assesses bundlePath on a pool thread (spctl takes about a second) and keeps the answer for
    // appID; emits gatekeeperChanged. Off macOS the answer is "not checked".
    QCoro::Task<GatekeeperAssessment> assessGatekeeper(QString appID, QString bundlePath);
    // The same, for a caller that does not wait: the answer comes with gatekeeperChanged.
    void requestGatekeeper(const QString &appID, const QString &bundlePath);
    // Forgets what is known of an installed copy that is gone.
    void forgetInstalled(const QString &appID);

Q_SIGNALS:
    void gatekeeperChanged(const QString &appID);

private:
    QList<CatalogApp> m_apps;
    CaskFactsService *m_facts = nullptr;
    UpdateChecker *m_updates = nullptr;
    QHash<QString, GatekeeperAssessment> m_gatekeeper;
};
