#pragma once

#include "engine/DownloadProgress.h"
#include "engine/TransferMeter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// Follows a download brew makes, from what real Homebrew (4.x, download_strategy.rb and
// utils/curl.rb) does when its output is not a terminal, as it never is here:
// - it prints "==> Downloading <url>" (then "==> Downloading from <final url>" after a redirect)
//   and nothing more while curl runs, since curl gets --silent whenever stdout is not a tty;
// - curl writes to HOMEBREW_CACHE/downloads/<sha256 of url>--<file name>.incomplete, resuming
//   one left from before, and the file is renamed without ".incomplete" once complete;
// - Homebrew does not print the size.
// So the size comes from a HEAD request of our own for the same address (following redirects,
// as curl does), and the progress from the .incomplete file's size against it. No size, or a
// file bigger than it: no figures, only the indeterminate state.
class BrewDownloadWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int pollMs = 250;

    // cacheFolder: where this brew keeps its downloads (HOMEBREW_CACHE); network: for the HEAD
    // request, null for none (then sizes are never known).
    BrewDownloadWatcher(QString cacheFolder, QNetworkAccessManager *network, QObject *parent = nullptr);
    ~BrewDownloadWatcher() override;

    // Every line brew prints, in order: a download starts at "==> Downloading <url>" and ends at
    // the next other "==> " line (or at the end of the run).
    void observe(const QString &line);
    void stop();
    bool active() const { return m_timer.isActive(); }
    // The latest reading; the default value before anything was measured.
    DownloadProgress progress() const { return m_progress; }

    // The address of a "==> Downloading <url>" line; nothing for any other line.
    static std::optional<QString> downloadAddress(const QString &line);
    // The name pattern of the file curl writes for url: "<sha256 of url>--*.incomplete".
    static QString incompletePattern(const QString &url);

Q_SIGNALS:
    // After each reading that found the file, at most every pollMs.
    void progressed(const DownloadProgress &progress);

private:
    void start(const QString &url);
    void poll();

    QString m_cache;
    QNetworkAccessManager *m_network;
    QTimer m_timer;
    QPointer<QNetworkReply> m_head;
    QString m_pattern;
    QString m_file; // the .incomplete file once found
    TransferMeter m_meter;
    QElapsedTimer m_clock;
    DownloadProgress m_progress;
};
