#include "engine/CatalogRefresher.h"

#include "catalog/Catalog.h"
#include "catalog/SignedCatalog.h"
#include "engine/Detached.h"

#include <QCoroSignal>
#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int timeoutMs = 30 * 1000;

// A reply may still be inside its own signal when the coroutine resumes: never delete it there.
struct DeleteLater
{
    void operator()(QNetworkReply *reply) const { reply->deleteLater(); }
};
using ReplyPtr = std::unique_ptr<QNetworkReply, DeleteLater>;

// The kept files sit in a folder other programs of the user can write to: a link, a FIFO or a
// device there must neither be followed, block the start nor fill the memory.
std::optional<QByteArray> readKeptFile(const QString &path, qint64 limit)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info = {};
    QByteArray bytes;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= limit;
    while (ok) {
        char chunk[16384];
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0)
            break;
        ok = got > 0 && bytes.size() + got <= limit;
        if (ok)
            bytes.append(chunk, got);
    }
    ::close(fd);
    return ok ? std::optional(bytes) : std::nullopt;
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QUrl signatureUrl(QUrl url)
{
    url.setPath(url.path() + u".sig"_s);
    return url;
}

QString catalogFolder(const Environment &env)
{
    return env.cacheDir.isEmpty() ? QString() : env.cacheDir + u"/catalog"_s;
}

} // namespace

CatalogRefresher::CatalogRefresher(Environment env, QObject *parent)
    : QObject(parent)
    , m_env(std::move(env))
{
}

CatalogRefresher::~CatalogRefresher() = default;

QString CatalogRefresher::folder() const
{
    return catalogFolder(m_env);
}

std::optional<CatalogDocument> CatalogRefresher::cached(const Environment &env)
{
    const QString kept = catalogFolder(env);
    // A build without a key takes no catalog but its own.
    if (kept.isEmpty() || !SignedCatalog::isPublicKey(env.catalogPublicKey))
        return std::nullopt;
    const std::optional<QByteArray> bytes = readKeptFile(kept + u"/catalog.json"_s, SignedCatalog::maximumSize);
    const std::optional<QByteArray> signature
        = readKeptFile(kept + u"/catalog.json.sig"_s, SignedCatalog::maximumSignatureSize);
    if (!bytes || !signature)
        return std::nullopt;
    SignedCatalog::Check check
        = SignedCatalog::check(*bytes, *signature, env.catalogPublicKey, Catalog::builtInIssued());
    if (check.verdict != SignedCatalog::Verdict::Accepted) {
        qWarning().noquote() << "Not using the kept catalog:" << check.problem;
        return std::nullopt;
    }
    return std::move(check.document);
}

void CatalogRefresher::activateCached(const Environment &env)
{
    Catalog::setActive(cached(env));
}

QDateTime CatalogRefresher::lastChecked() const
{
    if (folder().isEmpty())
        return {};
    const std::optional<QByteArray> text = readKeptFile(folder() + u"/checked"_s, 64);
    return text ? QDateTime::fromString(QString::fromLatin1(text->trimmed()), Qt::ISODate) : QDateTime();
}

void CatalogRefresher::markChecked()
{
    writeWhole(folder() + u"/checked"_s, CatalogDocument::issuedText(QDateTime::currentDateTimeUtc()).toLatin1());
}

bool CatalogRefresher::keep(const QByteArray &bytes, const QByteArray &signature)
{
    // The signature goes last: until it is there, what is kept does not check out and is not used.
    QFile::remove(folder() + u"/catalog.json.sig"_s);
    return writeWhole(folder() + u"/catalog.json"_s, bytes) && writeWhole(folder() + u"/catalog.json.sig"_s, signature);
}

QCoro::Task<CatalogRefresher::Fetched> CatalogRefresher::fetch(QUrl url, qint64 limit)
{
    if (!m_network) {
        m_network = std::make_unique<QNetworkAccessManager>();
        m_network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", "orvando");
    request.setTransferTimeout(timeoutMs);
    const ReplyPtr reply(m_network->get(request));
    Fetched fetched;
    bool tooLarge = false;
    const auto drain = [&] {
        if (tooLarge || !reply->isOpen())
            return;
        fetched.body += reply->readAll();
        tooLarge = fetched.body.size() > limit;
        if (tooLarge)
            QMetaObject::invokeMethod(reply.get(), &QNetworkReply::abort, Qt::QueuedConnection);
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), drain);
    if (!reply->isFinished())
        co_await qCoro(reply.get(), &QNetworkReply::finished);
    drain();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (tooLarge)
        fetched.status = Fetched::Status::TooLarge;
    else if (status == 404 || status == 410)
        fetched.status = Fetched::Status::NotFound;
    else if (reply->error() == QNetworkReply::NoError && status == 200)
        fetched.status = Fetched::Status::Received;
    else
        fetched.status = Fetched::Status::Unreachable;
    if (fetched.status != Fetched::Status::Received)
        fetched.body.clear();
    co_return fetched;
}

QCoro::Task<CatalogRefresher::Outcome> CatalogRefresher::refresh()
{
    if (m_env.catalogUrl.isEmpty() || !SignedCatalog::isPublicKey(m_env.catalogPublicKey) || folder().isEmpty())
        co_return Outcome::Disabled;
    const QDateTime last = lastChecked();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // A last check in the future means the clock was set back: check rather than wait for it.
    const bool due = !last.isValid() || last > now || last.secsTo(now) >= checkIntervalHours * 3600;
    if (!due || m_refreshing)
        co_return Outcome::NotDue;

    const QPointer<CatalogRefresher> self(this);
    m_refreshing = true;
    const Fetched file = co_await fetch(m_env.catalogUrl, SignedCatalog::maximumSize);
    if (!self)
        co_return Outcome::Unreachable;
    Fetched signature;
    if (file.status == Fetched::Status::Received) {
        signature = co_await fetch(signatureUrl(m_env.catalogUrl), SignedCatalog::maximumSignatureSize);
        if (!self)
            co_return Outcome::Unreachable;
    }
    m_refreshing = false;
    if (file.status == Fetched::Status::Unreachable
        || (file.status == Fetched::Status::Received && signature.status == Fetched::Status::Unreachable))
        co_return Outcome::Unreachable;

    QDir().mkpath(folder());
    markChecked();
    if (file.status == Fetched::Status::NotFound)
        co_return Outcome::Missing;
    if (file.status == Fetched::Status::TooLarge || signature.status == Fetched::Status::TooLarge)
        co_return Outcome::Oversized;
    if (signature.status == Fetched::Status::NotFound)
        co_return Outcome::Unsigned;

    const SignedCatalog::Check check
        = SignedCatalog::check(file.body, signature.body, m_env.catalogPublicKey, Catalog::builtInIssued());
    switch (check.verdict) {
    case SignedCatalog::Verdict::Accepted:
        break;
    case SignedCatalog::Verdict::Unsigned:
        co_return Outcome::Unsigned;
    case SignedCatalog::Verdict::BadSignature:
        co_return Outcome::BadSignature;
    case SignedCatalog::Verdict::Oversized:
        co_return Outcome::Oversized;
    case SignedCatalog::Verdict::Invalid:
        qWarning().noquote() << "The published catalog cannot be used:" << check.problem;
        co_return Outcome::Invalid;
    case SignedCatalog::Verdict::Stale:
        co_return Outcome::Stale;
    }
    // Only forward: a catalog issued before the one kept (a replayed old file) changes nothing.
    const std::optional<CatalogDocument> kept = cached(m_env);
    if (kept && check.document->issued == kept->issued)
        co_return Outcome::Unchanged;
    if (kept && check.document->issued < kept->issued)
        co_return Outcome::Stale;
    if (!keep(file.body, signature.body))
        co_return Outcome::Unreachable;
    Q_EMIT refreshed(check.document->issued, int(check.document->apps.size()));
    co_return Outcome::Refreshed;
}

void CatalogRefresher::start()
{
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setInterval(std::chrono::hours(1));
        connect(m_timer, &QTimer::timeout, this, [this] { startDetached(refresh()); });
        m_timer->start();
    }
    startDetached(refresh());
}
