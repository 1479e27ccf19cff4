#include "engine/homebrew/BrewDownloadWatcher.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

using namespace Qt::StringLiterals;

BrewDownloadWatcher::BrewDownloadWatcher(QString cacheFolder, QNetworkAccessManager *network, QObject *parent)
    : QObject(parent)
    , m_cache(std::move(cacheFolder))
    , m_network(network)
{
    m_timer.setInterval(pollMs);
    connect(&m_timer, &QTimer::timeout, this, &BrewDownloadWatcher::poll);
}

BrewDownloadWatcher::~BrewDownloadWatcher()
{
    stop();
}

std::optional<QString> BrewDownloadWatcher::downloadAddress(const QString &line)
{
    static const QString prefix = u"==> Downloading "_s;
    if (!line.startsWith(prefix) || line.startsWith(u"==> Downloading from "_s))
        return std::nullopt;
    const QString url = line.mid(prefix.size()).trimmed();
    if (url.isEmpty() || url.contains(u' '))
        return std::nullopt;
    return url;
}

QString BrewDownloadWatcher::incompletePattern(const QString &url)
{
    return QString::fromLatin1(QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha256).toHex())
        + u"--*.incomplete"_s;
}

void BrewDownloadWatcher::observe(const QString &line)
{
    if (const std::optional<QString> url = downloadAddress(line)) {
        start(*url);
        return;
    }
    // "Downloading from" the redirected address is the same download; any other step ends it.
    if (active() && line.startsWith(u"==> "_s) && !line.startsWith(u"==> Downloading from "_s))
        stop();
}

void BrewDownloadWatcher::start(const QString &url)
{
    stop();
    m_pattern = incompletePattern(url);
    m_file.clear();
    m_meter = TransferMeter();
    m_progress = {};
    m_clock.start();
    m_timer.start();
    const QUrl address(url);
    if (!m_network || m_cache.isEmpty() || (address.scheme() != u"https"_s && address.scheme() != u"http"_s))
        return;
    QNetworkRequest request(address);
    request.setRawHeader("User-Agent", "orvando");
    request.setRawHeader("Accept-Encoding", "identity");
    request.setTransferTimeout(30 * 1000);
    m_head = m_network->head(request);
    connect(m_head, &QNetworkReply::finished, this, [this, reply = m_head] {
        if (!reply)
            return;
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        // Only a plain success names the file's size; an error page has its own.
        if (reply->error() == QNetworkReply::NoError && status == 200 && length.isValid() && reply == m_head)
            m_meter.setTotal(length.toLongLong());
    });
}

void BrewDownloadWatcher::stop()
{
    m_timer.stop();
    if (m_head) {
        m_head->abort();
        m_head->deleteLater();
    }
    m_head = nullptr;
}

void BrewDownloadWatcher::poll()
{
    if (m_cache.isEmpty())
        return;
    if (m_file.isEmpty()) {
        const QStringList found = QDir(m_cache + u"/downloads"_s).entryList({ m_pattern }, QDir::Files);
        if (found.isEmpty())
            return;
        m_file = m_cache + u"/downloads/"_s + found.constFirst();
    }
    const QFileInfo file(m_file);
    if (!file.exists())
        return;
    m_meter.sample(m_clock.elapsed(), file.size());
    DownloadProgress reading = m_meter.progress();
    // Bigger than announced: the HEAD answer was not about this file. Figures would be wrong.
    if (reading.total >= 0 && reading.received > reading.total) {
        m_meter.setTotal(-1);
        reading = m_meter.progress();
    }
    if (reading == m_progress)
        return;
    m_progress = reading;
    Q_EMIT progressed(m_progress);
}
