#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

// How far a download has come, as the engine publishes it with an app's installing state. A
// download of unknown size has no total, and then no percent and no time left: the views show
// their indeterminate progress rather than a guess.
struct DownloadProgress
{
    qint64 received = 0;
    qint64 total = -1; // bytes announced; -1 when nobody said
    qint64 bytesPerSecond = -1; // smoothed; -1 until there is enough to tell
    qint64 secondsLeft = -1; // -1 when unknown

    // Whether this is a measured download at all (the default value is no download).
    bool determinate() const { return total > 0 && received >= 0 && received <= total; }
    // 0-100 when determinate, -1 otherwise.
    int percent() const { return determinate() ? int(received * 100 / total) : -1; }

    // "Downloading · 21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left"; the parts not known are left
    // out, and without a total only "Downloading · 10.0 MB" is said.
    QString summary() const;
    // The same without the leading word: "21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left".
    QString figures() const;
    // "46.7 MB", "512 KB", "1.2 GB": decimal units, as macOS's Finder counts them.
    static QString size(qint64 bytes);
    // "30 s left", "4 min left", "about 2 h left".
    static QString timeLeft(qint64 seconds);

    friend bool operator==(const DownloadProgress &, const DownloadProgress &) = default;

    // Last: it leaves the members after it private.
    Q_DECLARE_TR_FUNCTIONS(DownloadProgress)
};
