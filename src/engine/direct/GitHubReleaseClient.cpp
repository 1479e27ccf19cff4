#include "engine/direct/GitHubReleaseClient.h"

#include "engine/direct/DirectInstallError.h"

#include <QCoroSignal>
#include <QCryptographicHash>
#include <QDir>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace {

// A reply may still be inside its own signal when the coroutine resumes: never delete it there.
struct DeleteLater
{
    void operator()(QNetworkReply *reply) const { reply->deleteLater(); }
};
using ReplyPtr = std::unique_ptr<QNetworkReply, DeleteLater>;

// An HTTP error status is an answer, not a transport failure; everything else is.
bool isTransportFailure(QNetworkReply::NetworkError error)
{
    return error != QNetworkReply::NoError
        && (error < QNetworkReply::ContentAccessDenied || error == QNetworkReply::ProtocolUnknownError
            || error == QNetworkReply::ProtocolFailure);
}

QString transportProblem(const QNetworkReply &reply)
{
    // Qt reports its own inactivity time-out as a cancellation.
    if (reply.error() == QNetworkReply::OperationCanceledError)
        return u"the server stopped answering"_s;
    return reply.errorString();
}

QCoro::Task<> finished(QNetworkReply *reply)
{
    if (!reply->isFinished())
        co_await qCoro(reply, &QNetworkReply::finished);
}

} // namespace

GitHubReleaseClient::GitHubReleaseClient(QUrl apiBase, QString tempDir, QNetworkAccessManager *network)
    : m_apiBase(std::move(apiBase))
    , m_tempDir(std::move(tempDir))
    , m_sharedNetwork(network)
{
}

GitHubReleaseClient::~GitHubReleaseClient() = default;

QNetworkAccessManager *GitHubReleaseClient::network()
{
    if (m_sharedNetwork)
        return m_sharedNetwork;
    if (!m_network) {
        m_network = std::make_unique<QNetworkAccessManager>();
        m_network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    return m_network.get();
}

QNetworkReply *GitHubReleaseClient::get(const QNetworkRequest &request)
{
    m_inFlight.removeAll(QPointer<QNetworkReply>());
    QNetworkReply *reply = network()->get(request);
    m_inFlight.append(reply);
    return reply;
}

void GitHubReleaseClient::abort()
{
    const QList<QPointer<QNetworkReply>> replies = m_inFlight;
    for (const QPointer<QNetworkReply> &reply : replies) {
        if (reply)
            reply->abort();
    }
}

bool GitHubReleaseClient::isDownloadAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == u"https"_s)
        return true;
    const QHostAddress address(url.host());
    return url.scheme() == u"http"_s
        && (address.isLoopback() || url.host().compare(u"localhost"_s, Qt::CaseInsensitive) == 0);
}

bool GitHubReleaseClient::isRepositoryName(const QString &repo)
{
    static const QRegularExpression pattern(u"^([A-Za-z0-9._-]+)/([A-Za-z0-9._-]+)$"_s);
    const QRegularExpressionMatch match = pattern.match(repo);
    if (!match.hasMatch())
        return false;
    for (const QString &part : { match.captured(1), match.captured(2) }) {
        if (part == u"."_s || part == u".."_s)
            return false;
    }
    return true;
}

QCoro::Task<Outcome<GitHubRelease>> GitHubReleaseClient::latestRelease(QString repo)
{
    QUrl url = m_apiBase;
    QString base = url.path();
    while (base.endsWith(u'/'))
        base.chop(1);
    url.setPath(base + u"/repos/"_s + repo + u"/releases/latest"_s);
    if (!isRepositoryName(repo) || !isDownloadAddress(url))
        co_return Outcome<GitHubRelease>::failure(
            { EngineError::Domain::Direct, -10, u"There is no valid address for the releases of "_s + repo + u"."_s });

    QNetworkRequest request(url);
    request.setRawHeader("Accept", "application/vnd.github+json");
    request.setRawHeader("User-Agent", "orvando");
    request.setTransferTimeout(m_timeoutMs);
    const ReplyPtr reply(get(request));
    co_await finished(reply.get());

    if (isTransportFailure(reply->error()))
        co_return Outcome<GitHubRelease>::failure({ EngineError::Domain::Network, int(reply->error()),
            u"Could not get the latest release from "_s + url.host() + u" ("_s + transportProblem(*reply)
                + u"). You can try again."_s });
    co_return GitHubRelease::decode(reply->readAll());
}

QCoro::Task<Outcome<GitHubAsset>> GitHubReleaseClient::findAsset(
    QString repo, AssetPredicate matches, QString wantedName)
{
    const Outcome<GitHubRelease> release = co_await latestRelease(repo);
    if (!release.succeeded())
        co_return Outcome<GitHubAsset>::failure(release.error);
    for (const GitHubAsset &asset : release->assets) {
        if (!matches(asset))
            continue;
        // Only the first match counts; an address we would not fetch from makes it unusable.
        if (isDownloadAddress(QUrl(asset.browserDownloadURL, QUrl::StrictMode)))
            co_return Outcome<GitHubAsset>::success(asset);
        break;
    }
    co_return Outcome<GitHubAsset>::failure(DirectInstallError::assetNotFound(wantedName).toError());
}

QCoro::Task<Outcome<QString>> GitHubReleaseClient::download(GitHubAsset asset)
{
    co_return co_await download(QUrl(asset.browserDownloadURL), asset.digest, asset.size);
}

QCoro::Task<Outcome<QString>> GitHubReleaseClient::download(QUrl url, QString digest, qint64 announcedSize)
{
    if (!isDownloadAddress(url))
        co_return Outcome<QString>::failure(DirectInstallError::assetNotFound(url.fileName()).toError());
    QTemporaryFile file(QDir(m_tempDir).absoluteFilePath(u"orvando-download-XXXXXX"_s));
    if (m_tempDir.isEmpty() || !file.open())
        co_return Outcome<QString>::failure(
            { EngineError::Domain::Direct, -11, u"There is no private temporary folder to download into."_s });

    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", "orvando");
    request.setTransferTimeout(m_timeoutMs);
    QCryptographicHash sha256(QCryptographicHash::Sha256);
    const qint64 limit = announcedSize >= 0 ? announcedSize : m_unannouncedLimit;
    qint64 received = 0;
    bool writeFailed = false;
    bool tooLarge = false;
    const ReplyPtr reply(get(request));
    // Straight to disk as it arrives, so an asset of any size never sits in memory.
    const auto drain = [&] {
        if (writeFailed || tooLarge || !reply->isOpen())
            return;
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        // A server sending more than was announced is not sending the asset: stop it, whatever
        // it would fill the disk with.
        tooLarge = received > limit;
        if (!tooLarge) {
            sha256.addData(chunk);
            writeFailed = file.write(chunk) != chunk.size();
        }
        if (writeFailed || tooLarge)
            QMetaObject::invokeMethod(reply.get(), &QNetworkReply::abort, Qt::QueuedConnection);
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), drain);
    co_await finished(reply.get());
    drain();

    if (tooLarge)
        co_return Outcome<QString>::failure({ EngineError::Domain::Network, -13,
            u"The download from "_s + url.host()
                + (announcedSize >= 0 ? u" was larger than announced."_s : u" was too large, so it was stopped."_s) });
    if (writeFailed || !file.flush())
        co_return Outcome<QString>::failure(
            { EngineError::Domain::Direct, -12, u"The download could not be saved: "_s + file.errorString() });
    if (isTransportFailure(reply->error()))
        co_return Outcome<QString>::failure({ EngineError::Domain::Network, int(reply->error()),
            u"The download from "_s + url.host() + u" did not finish ("_s + transportProblem(*reply)
                + u"). You can try again."_s });
    // A server that answers with an error page has not sent the asset, whatever the body holds.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        co_return Outcome<QString>::failure({ EngineError::Domain::Network, status,
            u"The download from "_s + url.host() + u" failed (HTTP %1). You can try again."_s.arg(status) });
    if (!digest.isEmpty()) {
        const qsizetype colon = digest.indexOf(u':');
        // Only SHA-256 is published today; a digest in another form cannot be checked.
        if (digest.left(colon).compare(u"sha256"_s, Qt::CaseInsensitive) == 0
            && digest.mid(colon + 1).toLower().toLatin1() != sha256.result().toHex())
            co_return Outcome<QString>::failure(DirectInstallError::checksumMismatch().toError());
    }
    file.setAutoRemove(false);
    co_return Outcome<QString>::success(file.fileName());
}
