#pragma once

#include "engine/direct/GitHubRelease.h"

#include <QCoreApplication>
#include <QCoroTask>
#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// Asks the GitHub REST API for the latest release of a repository, picks an asset and streams it
// into a private temporary folder, checking GitHub's published digest when there is one and never
// taking more bytes than announced. Keep the client alive until its tasks have finished.
class GitHubReleaseClient
{
public:
    using AssetPredicate = std::function<bool(const GitHubAsset &asset)>;
    // Bytes of the file so far, and its size when known (-1 otherwise); called as data arrives.
    using ProgressHandler = std::function<void(qint64 received, qint64 total)>;
    // How often a dropped download is taken up again before it fails.
    static constexpr int resumeTries = 3;
    static constexpr int defaultTimeoutMs = 60 * 1000;
    // The most a download may bring when its size was not announced, unless set otherwise.
    static constexpr qint64 unannouncedLimit = qint64(4) << 30;

    // apiBase: "https://api.github.com" or a local stand-in; tempDir: where downloads land;
    // network: the shared access manager, or null for one of the client's own.
    GitHubReleaseClient(QUrl apiBase, QString tempDir, QNetworkAccessManager *network = nullptr);
    ~GitHubReleaseClient();
    GitHubReleaseClient(const GitHubReleaseClient &) = delete;
    GitHubReleaseClient &operator=(const GitHubReleaseClient &) = delete;

    // Longest silence on a connection before a request fails.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // The most a download of no announced size may bring.
    void setUnannouncedLimit(qint64 bytes) { m_unannouncedLimit = bytes; }
    // The wait before the first new try of a dropped download; each further try waits twice as long.
    void setRetryDelay(int milliseconds) { m_retryDelayMs = milliseconds; }
    void setProgressHandler(ProgressHandler handler) { m_onProgress = std::move(handler); }
    // Stops the requests in flight; each fails as a transport failure (a cancelled operation).
    void abort();

    // GET <apiBase>/repos/<repo>/releases/latest. The HTTP status is not looked at: an error reply
    // has no "assets" and fails to decode.
    QCoro::Task<Outcome<GitHubRelease>> latestRelease(QString repo);

    // The first asset of the latest release that matches and has an http(s) address; otherwise
    // DirectInstallError::assetNotFound(wantedName).
    QCoro::Task<Outcome<GitHubAsset>> findAsset(QString repo, AssetPredicate matches, QString wantedName);

    // Streams url's body into a new file of the temporary folder and returns its path. With a
    // digest "sha256:<hex>" the file must match it. More than announcedSize bytes (more than the
    // unannounced limit when it is negative) stop the download. A dropped connection is tried again
    // up to resumeTries times, asking for the rest only if the file is still the one begun
    // (If-Range with its ETag or Last-Modified). On any failure the file is removed.
    QCoro::Task<Outcome<QString>> download(QUrl url, QString digest = {}, qint64 announcedSize = -1);
    QCoro::Task<Outcome<QString>> download(GitHubAsset asset);

    // https with a host: the only addresses a download may come from. Plain http only to this
    // Mac itself (a loopback address or "localhost"), where nothing in between can change it.
    static bool isDownloadAddress(const QUrl &url);
    // "owner/name", each part made of letters, digits, ".", "-" and "_".
    static bool isRepositoryName(const QString &repo);

private:
    QNetworkAccessManager *network();
    QNetworkReply *get(const QNetworkRequest &request);

    QUrl m_apiBase;
    QString m_tempDir;
    int m_timeoutMs = defaultTimeoutMs;
    qint64 m_unannouncedLimit = unannouncedLimit;
    QNetworkAccessManager *m_sharedNetwork = nullptr;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QList<QPointer<QNetworkReply>> m_inFlight;
    int m_retryDelayMs = 1000;
    bool m_aborted = false;
    ProgressHandler m_onProgress;

    Q_DECLARE_TR_FUNCTIONS(GitHubReleaseClient)
};
