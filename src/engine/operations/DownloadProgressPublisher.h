#pragma once

#include "engine/DownloadProgress.h"
#include "engine/TransferMeter.h"

#include <QElapsedTimer>

#include <functional>

// Between a download's many small readings and the app's published state: meters them and hands
// the progress on at most a few times a second (and always the first and the last), so the views
// and the screen reader are not flooded while the bytes pour in.
class DownloadProgressPublisher
{
public:
    using Sink = std::function<void(const DownloadProgress &progress)>;
    static constexpr qint64 intervalMs = 250;

    explicit DownloadProgressPublisher(Sink sink);

    // received bytes so far of a download of total bytes (-1: unknown).
    void update(qint64 received, qint64 total);
    // The download is complete: its last reading is published whatever the interval.
    void finish();

private:
    Sink m_sink;
    TransferMeter m_meter;
    QElapsedTimer m_clock;
    qint64 m_publishedAt = -1;
};
