#include "engine/facts/UpdateChecker.h"

#include "engine/Detached.h"
#include "engine/OperationCoordinator.h"
#include "engine/direct/GitHubReleaseClient.h"
#include "engine/disk/BundleLocator.h"
#include "engine/facts/CaskFactsService.h"
#include "engine/facts/UpdateHolds.h"
#include "engine/facts/VersionCompare.h"
#include "engine/homebrew/BrewQuery.h"
#include "engine/homebrew/BrewRunner.h"
#include "engine/homebrew/OutdatedCasks.h"
#include "platform/PlistReader.h"
#include "platform/UserDefaults.h"

#include <QCoroFuture>
#include <QNetworkAccessManager>
#include <QtConcurrentRun>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Apps that update themselves are left alone, unless they have fallen far behind (the app's own
// updater may have stopped working).
bool updatesItself(bool autoUpdates, const QString &installed, const QString &available)
{
    return autoUpdates && !VersionCompare::isMoreThanOneMajorBehind(installed, available);
}

// CFBundleShortVersionString of each installed app, by app id; blocking, for a pool thread.
QHash<QString, QString> installedVersions(const QStringList &folders, const QList<CatalogApp> &apps)
{
    BundleLocator locator(folders);
    QHash<QString, QString> versions;
    for (const CatalogApp &app : apps) {
        const std::optional<QString> bundle = app.bundleID ? locator.find(*app.bundleID) : std::nullopt;
        if (bundle) {
            versions.insert(app.id,
                PlistReader::stringValueInFile(*bundle + u"/Contents/Info.plist"_s, u"CFBundleShortVersionString"_s)
                    .value_or(QString()));
        }
    }
    return versions;
}

} // namespace

UpdateChecker::UpdateChecker(Environment env, QList<CatalogApp> apps, const CaskFactsService *facts,
    QNetworkAccessManager *network, QObject *parent)
    : QObject(parent)
    , m_env(std::move(env))
    , m_apps(std::move(apps))
    , m_facts(facts)
    , m_network(network)
{
    // A skip or a hold set anywhere (another window, the command line) applies at once.
    connect(&UserDefaults::standard(), &UserDefaults::changed, this, [this](const QString &key) {
        if (UpdateHolds::isHoldKey(key))
            setUpdates(m_found);
    });
}

bool UpdateChecker::isDue(const QDateTime &lastChecked, const QDateTime &now)
{
    if (!lastChecked.isValid())
        return true;
    const qint64 since = lastChecked.secsTo(now);
    return since < 0 || since >= minimumIntervalSeconds;
}

void UpdateChecker::installedStateRefreshed()
{
    if (!m_checking && isDue(m_lastChecked, QDateTime::currentDateTimeUtc()))
        startDetached(check());
}

void UpdateChecker::checkNow()
{
    startDetached(check());
}

QCoro::Task<bool> UpdateChecker::check()
{
    if (m_checking)
        co_return false;
    setChecking(true);
    // Counted from the start, failed or not: a failing check is not retried more often.
    m_lastChecked = QDateTime::currentDateTimeUtc();
    const QPointer<UpdateChecker> self(this);
    const Checked casks = co_await checkCasks();
    if (!self)
        co_return false;
    const Checked direct = co_await checkDirectDownloads();
    if (!self)
        co_return false;

    QHash<QString, AppUpdate> updates = m_found;
    for (const Checked *part : { &casks, &direct }) {
        // Only what was checked is replaced; an app whose check failed keeps its last answer.
        for (const QString &appID : part->appIDs)
            updates.remove(appID);
        for (const AppUpdate &update : part->updates)
            updates.insert(update.appID, update);
    }
    m_problems = casks.problems + direct.problems;
    if (!m_problems.isEmpty())
        qWarning().noquote() << "Could not check every app for updates:" << m_problems.join(u"; "_s);
    setUpdates(updates);
    setChecking(false);
    co_return !casks.appIDs.isEmpty() || !direct.appIDs.isEmpty();
}

QCoro::Task<UpdateChecker::Checked> UpdateChecker::checkCasks()
{
    Checked result;
    QHash<QString, const CatalogApp *> byToken;
    for (const CatalogApp &app : std::as_const(m_apps)) {
        if (app.install.isHomebrewCask())
            byToken.insert(app.install.caskToken(), &app);
    }
    const auto brew = BrewRunner::resolveBinary(m_env);
    if (byToken.isEmpty() || !brew) {
        // Without brew no cask can be updated: none has an update to offer.
        for (const CatalogApp *app : std::as_const(byToken))
            result.appIDs.insert(app->id);
        co_return result;
    }

    const QStringList args { u"outdated"_s, u"--cask"_s, u"--greedy"_s, u"--json=v2"_s };
    const QPointer<UpdateChecker> self(this);
    const Outcome<QByteArray> output = co_await BrewQuery::run(*brew, args, BrewQuery::defaultTimeoutMs, m_coordinator);
    if (!self)
        co_return result;
    const auto keys = byToken.keys();
    const auto outdated = output.succeeded() ? OutdatedCasks::decode(*output, QSet<QString>(keys.begin(), keys.end()))
                                             : Outcome<QList<OutdatedCask>>::failure(output.error);
    if (!outdated.succeeded()) {
        result.problems.append(outdated.error.description);
        co_return result;
    }
    for (const CatalogApp *app : std::as_const(byToken))
        result.appIDs.insert(app->id);
    for (const OutdatedCask &cask : *outdated) {
        const QString installed = cask.installedVersions.value(cask.installedVersions.size() - 1);
        const auto order = VersionCompare::compare(installed, cask.currentVersion);
        // brew's word stands, unless the versions plainly say the installed one is current.
        if (installed == cask.currentVersion || order == VersionCompare::Order::Same
            || order == VersionCompare::Order::Newer)
            continue;
        const std::optional<CaskFacts> facts = m_facts ? m_facts->caskFacts(cask.token) : std::nullopt;
        result.updates.append({ byToken.value(cask.token)->id, installed, cask.currentVersion,
            updatesItself(facts && facts->autoUpdates, installed, cask.currentVersion) });
    }
    co_return result;
}

QCoro::Task<UpdateChecker::Checked> UpdateChecker::checkDirectDownloads()
{
    Checked result;
    QList<CatalogApp> direct;
    for (const CatalogApp &app : std::as_const(m_apps)) {
        if (app.install.download())
            direct.append(app);
    }
    if (direct.isEmpty())
        co_return result;
    const QPointer<UpdateChecker> self(this);
    const Environment env = m_env;
    // Listing the Applications folders and reading Info.plist files touches the disk.
    const QHash<QString, QString> versions
        = co_await QtConcurrent::run(&installedVersions, env.applicationFolders, direct);
    if (!self)
        co_return result;

    GitHubReleaseClient github(env.githubApi, env.tempDir, m_network);
    for (const CatalogApp &app : std::as_const(direct)) {
        if (!versions.contains(app.id)) {
            result.appIDs.insert(app.id); // not installed: nothing to update
            continue;
        }
        const Outcome<GitHubRelease> release = co_await github.latestRelease(app.install.download()->githubRepo);
        if (!self)
            co_return result;
        if (!release.succeeded()) {
            result.problems.append(release.error.description);
            continue;
        }
        result.appIDs.insert(app.id);
        const QString installed = versions.value(app.id);
        // An unreadable version on either side is unknown, never out of date.
        if (VersionCompare::compare(installed, release->tagName) == VersionCompare::Order::Older)
            result.updates.append({ app.id, installed, VersionCompare::displayed(release->tagName), false });
    }
    co_return result;
}

QList<AppUpdate> UpdateChecker::updates() const
{
    QList<AppUpdate> list;
    for (const CatalogApp &app : m_apps) {
        if (const auto it = m_updates.constFind(app.id); it != m_updates.constEnd())
            list.append(*it);
    }
    return list;
}

std::optional<AppUpdate> UpdateChecker::update(const QString &appID) const
{
    const auto it = m_updates.constFind(appID);
    return it == m_updates.constEnd() ? std::nullopt : std::optional(*it);
}

int UpdateChecker::count() const
{
    return int(std::count_if(
        m_updates.cbegin(), m_updates.cend(), [](const AppUpdate &update) { return !update.updatesItself; }));
}

void UpdateChecker::forget(const QString &appID)
{
    QHash<QString, AppUpdate> updates = m_found;
    updates.remove(appID);
    setUpdates(updates);
}

QList<CatalogApp> UpdateChecker::appsToUpdate() const
{
    QList<CatalogApp> apps;
    for (const CatalogApp &app : m_apps) {
        const auto it = m_updates.constFind(app.id);
        if (it != m_updates.constEnd() && !it->updatesItself)
            apps.append(app);
    }
    return apps;
}

QList<std::pair<AppUpdate, QString>> UpdateChecker::leftAlone() const
{
    QList<std::pair<AppUpdate, QString>> list;
    for (const CatalogApp &app : m_apps) {
        const auto it = m_found.constFind(app.id);
        if (it == m_found.constEnd())
            continue;
        if (const std::optional<QString> why = UpdateHolds::reason(*it, app.name))
            list.append({ *it, *why });
    }
    return list;
}

void UpdateChecker::setUpdates(const QHash<QString, AppUpdate> &found)
{
    m_found = found;
    // What the user chose to leave alone is found, and kept, but not offered.
    QHash<QString, AppUpdate> updates;
    for (const AppUpdate &update : found)
        if (!UpdateHolds::reason(update, update.appID))
            updates.insert(update.appID, update);
    const bool aloneChanged = m_leftAloneCount != found.size() - updates.size();
    m_leftAloneCount = found.size() - updates.size();
    if (updates == m_updates && !aloneChanged)
        return;
    const int before = count();
    m_updates = updates;
    Q_EMIT updatesChanged();
    if (count() != before)
        Q_EMIT countChanged(count());
}

void UpdateChecker::setChecking(bool checking)
{
    if (m_checking == checking)
        return;
    m_checking = checking;
    Q_EMIT checkingChanged(checking);
}

void UpdateChecker::setCoordinator(OperationCoordinator *coordinator)
{
    m_coordinator = coordinator;
}
