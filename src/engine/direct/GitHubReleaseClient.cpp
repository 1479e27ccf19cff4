#include "engine/direct/GitHubReleaseClient.h"

#include "engine/direct/DirectInstallError.h"

#include <QCoroSignal>
#include <QCoroTimer>
#include <QCryptographicHash>
#include <QDir>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 readBufferSize = qint64(4) << 20;

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
        return GitHubReleaseClient::tr("the server stopped answering");
    return reply.errorString();
}

struct ContentRange
{
    qint64 first = -1;
    qint64 total = -1;
};

// "bytes 100-199/200"; an unknown total ("*") stays -1.
ContentRange contentRange(const QByteArray &header)
{
    static const QRegularExpression pattern(u"^bytes (\\d+)-\\d+/(\\d+|\\*)$"_s);
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(header.trimmed()));
    if (!match.hasMatch())
        return {};
    const QString total = match.captured(2);
    return { match.captured(1).toLongLong(), total == u"*"_s ? -1 : total.toLongLong() };
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
    m_aborted = true;
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
        co_return Outcome<GitHubRelease>::failure({ EngineError::Domain::Direct, -10,
            //: %1 is a GitHub repository, such as owner/name
            tr("There is no valid address for the releases of %1.").arg(repo) });

    QNetworkRequest request(url);
    request.setRawHeader("Accept", "application/vnd.github+json");
    request.setRawHeader("User-Agent", "orvando");
    request.setTransferTimeout(m_timeoutMs);
    const ReplyPtr reply(get(request));
    co_await finished(reply.get());

    if (isTransportFailure(reply->error()))
        co_return Outcome<GitHubRelease>::failure({ EngineError::Domain::Network, int(reply->error()),
            //: %1 is a host, such as api.github.com; %2 why, in lower case
            tr("Could not get the latest release from %1 (%2). You can try again.")
                .arg(url.host(), transportProblem(*reply)) });
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
            { EngineError::Domain::Direct, -11, tr("There is no private temporary folder to download into.") });

    QCryptographicHash sha256(QCryptographicHash::Sha256);
    const qint64 limit = announcedSize >= 0 ? announcedSize : m_unannouncedLimit;
    qint64 received = 0;
    qint64 total = announcedSize;
    QByteArray validator; // the ETag or Last-Modified of the copy the file holds the start of
    bool writeFailed = false;
    bool tooLarge = false;
    const auto startOver = [&] {
        file.resize(0);
        file.seek(0);
        sha256.reset();
        received = 0;
    };
    m_aborted = false;
    for (int attempt = 0;; ++attempt) {
        QNetworkRequest request(url);
        request.setRawHeader("User-Agent", "orvando");
        // Counted and resumed in the bytes the server sends; Qt would otherwise unpack gzip on the way.
        request.setRawHeader("Accept-Encoding", "identity");
        request.setTransferTimeout(m_timeoutMs);
        // The rest of the same file, or the whole file when the server's copy has changed since.
        const bool resuming = received > 0 && !validator.isEmpty();
        if (resuming) {
            request.setRawHeader("Range", "bytes=" + QByteArray::number(received) + '-');
            request.setRawHeader("If-Range", validator);
        } else {
            startOver();
        }
        bool decided = false;
        bool badRange = false;
        const ReplyPtr reply(get(request));
        // Qt would otherwise read ahead without limit while the file is written and hashed: on a
        // fast link hundreds of megabytes in memory, and progress in a handful of jumps.
        reply->setReadBufferSize(readBufferSize);
        const auto decide = [&] {
            decided = true;
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            const ContentRange range = contentRange(reply->rawHeader("Content-Range"));
            if (status == 206) {
                badRange = !resuming || range.first != received;
                if (!badRange && announcedSize < 0)
                    total = range.total;
                return;
            }
            // A whole body: the range was not honoured (or not asked for), so the file starts over.
            if (received > 0)
                startOver();
            if (status != 200)
                return;
            validator = reply->rawHeader("ETag");
            // A weak validator may not guard a range.
            if (validator.startsWith("W/") || validator.isEmpty())
                validator = reply->rawHeader("Last-Modified");
            if (announcedSize < 0)
                total = reply->header(QNetworkRequest::ContentLengthHeader).isValid()
                    ? reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()
                    : -1;
        };
        // Straight to disk as it arrives, so an asset of any size never sits in memory.
        const auto drain = [&] {
            if (!decided && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
                decide();
                if (badRange)
                    QMetaObject::invokeMethod(reply.get(), &QNetworkReply::abort, Qt::QueuedConnection);
            }
            if (writeFailed || tooLarge || badRange || !reply->isOpen())
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
            else if (m_onProgress && !chunk.isEmpty())
                m_onProgress(received, total);
        };
        QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), drain);
        co_await finished(reply.get());
        drain();

        if (tooLarge) {
            //: %1 is a host, such as github.com
            QString sentence = tr("The download from %1 was larger than announced.").arg(url.host());
            if (announcedSize < 0)
                //: %1 is a host, such as github.com
                sentence = tr("The download from %1 was too large, so it was stopped.").arg(url.host());
            co_return Outcome<QString>::failure({ EngineError::Domain::Network, -13, sentence });
        }
        if (writeFailed || !file.flush())
            co_return Outcome<QString>::failure({ EngineError::Domain::Direct, -12,
                //: %1 is the system's reason
                tr("The download could not be saved: %1").arg(file.errorString()) });
        // A dropped connection is tried again a few times, from where it stopped when the server
        // gave a validator; a stop asked for or a silent server is not.
        // Qt may take a close before the announced end for the end: the size says otherwise.
        const int answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool cutShort = reply->error() == QNetworkReply::NoError && (answered == 200 || answered == 206)
            && total >= 0 && received < total;
        const bool dropped = badRange || cutShort
            || (isTransportFailure(reply->error()) && reply->error() != QNetworkReply::OperationCanceledError);
        if (dropped && !m_aborted && attempt < resumeTries) {
            if (badRange)
                validator.clear();
            co_await QCoro::sleepFor(std::chrono::milliseconds(qint64(m_retryDelayMs) << attempt));
            if (!m_aborted)
                continue;
        }
        if (isTransportFailure(reply->error()) || badRange || cutShort) {
            QString why = transportProblem(*reply);
            if (badRange)
                why = tr("the server sent the wrong part of the file");
            else if (cutShort)
                why = tr("the connection closed early");
            co_return Outcome<QString>::failure({ EngineError::Domain::Network, int(reply->error()),
                //: %1 is a host, such as github.com; %2 why, in lower case
                tr("The download from %1 did not finish (%2). You can try again.").arg(url.host(), why) });
        }
        // A server that answers with an error page has not sent the asset, whatever the body holds.
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 400)
            co_return Outcome<QString>::failure({ EngineError::Domain::Network, status,
                //: %1 is a host, such as github.com; %2 the HTTP status code
                tr("The download from %1 failed (HTTP %2). You can try again.")
                    .arg(url.host(), QString::number(status)) });
        break;
    }
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
