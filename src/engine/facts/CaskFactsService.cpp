#include "engine/facts/CaskFactsService.h"

#include "engine/Detached.h"
#include "engine/OperationCoordinator.h"
#include "engine/direct/DirectInstallError.h"
#include "engine/direct/GitHubReleaseClient.h"
#include "engine/direct/ReleaseAsset.h"
#include "engine/homebrew/BrewQuery.h"
#include "engine/homebrew/BrewRunner.h"

#include <QCoroSignal>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QRegularExpression>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int requestTimeoutMs = 60 * 1000;

// A reply may still be inside its own signal when the coroutine resumes: never delete it there.
struct DeleteLater
{
    void operator()(QNetworkReply *reply) const { reply->deleteLater(); }
};

// The tokens the API is asked about, shared by the requests that run side by side.
struct ApiQueue
{
    QStringList tokens;
    qsizetype next = 0;
    QList<CaskFacts> found;
    QString firstProblem;
};

bool isCaskToken(const QString &token)
{
    static const QRegularExpression pattern(u"^[a-z0-9][a-z0-9@._+-]*$"_s);
    return pattern.match(token).hasMatch();
}

QUrl caskAddress(QUrl base, const QString &token)
{
    QString path = base.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    base.setPath(path + u"/api/cask/"_s + token + u".json"_s);
    return base;
}

// Takes the next token until none is left; at most maxParallelRequests of these run at once.
QCoro::Task<> askApi(std::shared_ptr<QNetworkAccessManager> network, QUrl base, std::shared_ptr<ApiQueue> queue)
{
    while (queue->next < queue->tokens.size()) {
        const QString token = queue->tokens.at(queue->next++);
        QNetworkRequest request(caskAddress(base, token));
        request.setRawHeader("User-Agent", "orvando");
        request.setTransferTimeout(requestTimeoutMs);
        const std::unique_ptr<QNetworkReply, DeleteLater> reply(network->get(request));
        if (!reply->isFinished())
            co_await qCoro(reply.get(), &QNetworkReply::finished);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        Outcome<CaskFacts> facts = reply->error() == QNetworkReply::NoError
            ? CaskFacts::decodeApiCask(reply->readAll())
            : Outcome<CaskFacts>::failure({ EngineError::Domain::Network, status,
                u"Homebrew’s website did not answer for "_s + token + u" ("_s + reply->errorString() + u")"_s });
        if (facts.succeeded() && facts->token == token)
            queue->found.append(*facts);
        else if (queue->firstProblem.isEmpty())
            queue->firstProblem
                = facts.succeeded() ? u"Homebrew’s website answered for another cask"_s : facts.error.description;
    }
}

// What the API answered, and why some tokens got no answer.
struct ApiAnswer
{
    QList<CaskFacts> found;
    QString problem;
};

QCoro::Task<ApiAnswer> readFromApi(std::shared_ptr<QNetworkAccessManager> network, QUrl base, QStringList tokens)
{
    if (!base.isValid() || base.host().isEmpty())
        co_return ApiAnswer { {}, u"There is no address for Homebrew’s website."_s };
    auto queue = std::make_shared<ApiQueue>();
    queue->tokens = tokens;
    std::vector<QCoro::Task<>> requests;
    for (int i = 0; i < CaskFactsService::maxParallelRequests; ++i)
        requests.push_back(askApi(network, base, queue));
    for (QCoro::Task<> &request : requests)
        co_await std::move(request);
    co_return ApiAnswer { queue->found, queue->firstProblem };
}

QCoro::Task<Outcome<QList<CaskFacts>>> readFromBrew(
    QString brew, QStringList tokens, QPointer<OperationCoordinator> coordinator)
{
    QStringList args { u"info"_s, u"--json=v2"_s, u"--cask"_s };
    args += tokens;
    const Outcome<QByteArray> output = co_await BrewQuery::run(brew, args, BrewQuery::defaultTimeoutMs, coordinator);
    if (!output.succeeded())
        co_return Outcome<QList<CaskFacts>>::failure(output.error);
    co_return CaskFacts::decodeBrewInfo(*output);
}

} // namespace

CaskFactsService::CaskFactsService(
    Environment env, QList<CatalogApp> apps, QNetworkAccessManager *network, QObject *parent)
    : QObject(parent)
    , m_env(std::move(env))
    , m_apps(std::move(apps))
{
    if (network)
        m_network = std::shared_ptr<QNetworkAccessManager>(network, [](QNetworkAccessManager *) {});
}

CaskFactsService::~CaskFactsService() = default;

QString CaskFactsService::cachePath() const
{
    return CaskFactsCache::path(m_env.cacheDir);
}

bool CaskFactsService::isStale(const QDateTime &readAt, const QDateTime &now)
{
    if (!readAt.isValid())
        return true;
    const qint64 age = readAt.secsTo(now);
    return age < 0 || age >= maxAgeSeconds;
}

void CaskFactsService::start()
{
    if (const auto cached = CaskFactsCache::load(cachePath()))
        setSnapshot(*cached);
    if (isStale(m_snapshot.readAt, QDateTime::currentDateTimeUtc()))
        startDetached(refresh());
}

QCoro::Task<bool> CaskFactsService::refresh()
{
    if (m_refreshing)
        co_return false;
    setRefreshing(true);
    const QPointer<CaskFactsService> self(this);
    const Environment env = m_env;
    QStringList tokens;
    QList<CatalogApp> direct;
    for (const CatalogApp &app : std::as_const(m_apps)) {
        const QString token = app.install.caskToken();
        if (app.install.download())
            direct.append(app);
        else if (isCaskToken(token) && !tokens.contains(token))
            tokens.append(token);
    }

    QStringList problems;
    std::optional<QList<CaskFacts>> casks;
    if (!tokens.isEmpty()) {
        if (const auto brew = BrewRunner::resolveBinary(env)) {
            const auto fromBrew = co_await readFromBrew(*brew, tokens, m_coordinator);
            if (!self)
                co_return false;
            if (fromBrew.succeeded())
                casks = *fromBrew;
            else
                problems.append(fromBrew.error.description);
        }
        // Also when brew failed: one cask Homebrew has removed makes the whole brew run fail,
        // while the API still answers for the others.
        if (!casks) {
            if (!m_network)
                m_network = std::make_shared<QNetworkAccessManager>();
            // Some answers are worth keeping when others failed; the rest keep their old facts.
            const ApiAnswer fromApi = co_await readFromApi(m_network, env.homebrewApi, tokens);
            if (!self)
                co_return false;
            if (!fromApi.found.isEmpty())
                casks = fromApi.found;
            if (!fromApi.problem.isEmpty())
                problems.append(fromApi.problem);
        }
    }

    QHash<QString, ReleaseFacts> releases;
    const std::shared_ptr<QNetworkAccessManager> network = m_network; // null: the client makes its own
    GitHubReleaseClient github(env.githubApi, env.tempDir, network.get());
    for (const CatalogApp &app : std::as_const(direct)) {
        const Outcome<GitHubRelease> release = co_await github.latestRelease(app.install.download()->githubRepo);
        if (!self)
            co_return false;
        const QString asset = ReleaseAsset::name(*app.install.download());
        const auto facts = release.succeeded() ? ReleaseFacts::fromRelease(*release, asset) : std::nullopt;
        if (facts)
            releases.insert(app.id, *facts);
        else
            problems.append(release.succeeded() ? DirectInstallError::assetNotFound(asset).description()
                                                : release.error.description);
    }

    const bool readSomething = casks.has_value() || !releases.isEmpty();
    const QString failures = problems.join(u"; "_s);
    if (!failures.isEmpty())
        qWarning().noquote() << "Could not refresh all app facts, keeping the ones known:" << failures;
    if (readSomething) {
        CaskFactsSnapshot snapshot = m_snapshot;
        for (const CaskFacts &facts : casks.value_or(QList<CaskFacts>()))
            snapshot.casks.insert(facts.token, facts);
        for (auto it = releases.cbegin(); it != releases.cend(); ++it)
            snapshot.releases.insert(it.key(), it.value());
        snapshot.readAt = QDateTime::currentDateTimeUtc();
        CaskFactsCache::save(cachePath(), snapshot);
        setSnapshot(snapshot);
    }
    setRefreshing(false);
    co_return readSomething;
}

std::optional<CaskFacts> CaskFactsService::caskFacts(const QString &token) const
{
    const auto it = m_snapshot.casks.constFind(token);
    return it == m_snapshot.casks.constEnd() ? std::nullopt : std::optional(*it);
}

std::optional<CaskFacts> CaskFactsService::caskFacts(const CatalogApp &app) const
{
    return app.install.isHomebrewCask() ? caskFacts(app.install.caskToken()) : std::nullopt;
}

std::optional<ReleaseFacts> CaskFactsService::releaseFacts(const QString &appID) const
{
    const auto it = m_snapshot.releases.constFind(appID);
    return it == m_snapshot.releases.constEnd() ? std::nullopt : std::optional(*it);
}

void CaskFactsService::setRefreshing(bool refreshing)
{
    if (m_refreshing == refreshing)
        return;
    m_refreshing = refreshing;
    Q_EMIT refreshingChanged(refreshing);
}

void CaskFactsService::setSnapshot(const CaskFactsSnapshot &snapshot)
{
    const bool changed = snapshot.casks != m_snapshot.casks || snapshot.releases != m_snapshot.releases;
    m_snapshot = snapshot;
    if (changed)
        Q_EMIT factsChanged();
}

void CaskFactsService::setCoordinator(OperationCoordinator *coordinator)
{
    m_coordinator = coordinator;
}
